#include "formats/project_commands.h"

#include "boundary/entry.h"
#include "boundary/mode_option.h"
#include "files/file_io.h"
#include "files/text_encoding.h"
#include "formats/project_file.h"
#include "program/plot.h"

namespace tw {
namespace {

void ApplyHeader(ProgramState& state, const ProjectHeader& header) {
  state.FirstPointX = header.FirstPointX;
  state.FirstPointY = header.FirstPointY;
  state.UnitAbbrev = header.UnitAbbrev;
  state.EntryMode = header.EntryMode;
  state.location = header.location;
}

std::string ModeCorrectedMessage(const std::string& path, std::string_view said, EntryKind kind,
                                 ModeOption opened) {
  const char* kind_text = kind == EntryKind::Point ? "point" : "bearing";
  return "The file \"" + Utf8ToCp1252(path) + "\" says " + std::string(said) + " but holds " +
         kind_text + " entries; it was opened in " + std::string(ModeText(opened)) + " mode.";
}

}  // namespace

std::optional<ModeOption> ModeForEntries(std::string_view mode, const EntryTexts& entries) {
  if (entries.empty())
    return std::nullopt;
  const std::optional<ModeOption> said = ModeFromText(mode);
  if (!said)
    return std::nullopt;
  const bool point_mode = *said == ModeOption::Point;
  const bool point_entries = KindOf(entries[0]) == EntryKind::Point;
  if (point_mode == point_entries)
    return std::nullopt;
  return point_entries ? ModeOption::Point : ModeOption::Surveyor;
}

FileDialogRequest SaveProjectRequest() {
  return SaveFileRequest("Save file as", UntitledProjectName(), kProjectFilter);
}

FileDialogRequest OpenProjectRequest() {
  return OpenFileRequest("Open File", kProjectFilter);
}

Status SaveProjectPath(Program& program, const std::string& path) {
  Status written =
      WriteFileAtomically(path, ProjectFileBytes(program.state, program.entries.Entries()));
  program.entries.SelectLast();
  return written;
}

std::optional<std::string> SaveProjectFile(Program& program, FileDialog& dialog,
                                           MessageBox& messages, const SaveTargetCheck& refuse) {
  std::optional<std::string> path = dialog.Show(SaveProjectRequest());
  if (!path)
    return std::nullopt;
  if (const std::optional<std::string> refused = refuse ? refuse(*path) : std::nullopt) {
    messages.Show(*refused, kProgramTitle, MessageIcon::None);
    return std::nullopt;
  }
  const Status saved = SaveProjectPath(program, *path);
  if (!saved) {
    messages.Show(saved.error(), kProgramTitle, MessageIcon::None);
    return std::nullopt;
  }
  return path;
}

namespace {

// The file's bytes are let go once the entries are read from them: a long
// list is redrawn next, and its log grows while the bytes would still be held.
Result<ProjectFile> ReadProjectPath(const std::string& path) {
  const Result<std::string> bytes = ReadFileBytes(path);
  if (!bytes)
    return Error{bytes.error()};
  Result<ProjectFile> parsed = ParseProjectFile(*bytes);
  if (!parsed)
    return Error{"The file \"" + Utf8ToCp1252(path) + "\" cannot be opened: " + parsed.error() +
                 "."};
  return parsed;
}

}  // namespace

Result<OpenOutcome> OpenProjectPath(Program& program, EntryControls& controls,
                                    const std::string& path) {
  Result<ProjectFile> parsed = ReadProjectPath(path);
  if (!parsed)
    return Error{parsed.error()};
  return OpenProject(program, controls, std::move(parsed).take(), path);
}

Result<OpenOutcome> OpenProject(Program& program, EntryControls& controls, ProjectFile file,
                                const std::string& path) {
  if (file.header)
    ApplyHeader(program.state, *file.header);
  // Files that contradict themselves exist (hand edits, other tools): opened
  // as they say, the report and both exports could not read their entries.
  OpenOutcome outcome;
  if (const std::optional<ModeOption> mode =
          ModeForEntries(program.state.EntryMode, file.entries)) {
    outcome.message =
        ModeCorrectedMessage(path, program.state.EntryMode, KindOf(file.entries[0]), *mode);
    program.state.EntryMode = ModeText(*mode);
  }
  outcome.pressed_mode = ModeFromText(program.state.EntryMode);
  // Every entry was read by the kind of entry 0 above, as the redraw reads
  // them, so this cannot fail; if it ever did, the message says where.
  const Status drawn = ShowReplacedList(program, controls, std::move(file.entries));
  if (!drawn)
    return Error{drawn.error()};
  return outcome;
}

Status ShowReplacedList(Program& program, EntryControls& controls, EntryTexts entries) {
  program.entries.Replace(std::move(entries));
  RecentreDrawing(program);
  if (const std::optional<ModeOption> mode = ModeFromText(program.state.EntryMode))
    controls.modes = PressModeOption(controls.modes, *mode);
  const size_t count = program.entries.Count();
  controls.modes =
      UpdateUnitMenus(controls.modes, count, program.state.UnitAbbrev, program.state.EntryMode);
  const Status drawn = RedrawBoundary(program);
  controls.modes = RelockModeControls(controls.modes, count);
  controls.cmdUndo_enabled = count > 0;
  return drawn;
}

std::optional<OpenOutcome> OpenProjectFile(Program& program, EntryControls& controls,
                                           FileDialog& dialog, MessageBox& messages) {
  const std::optional<std::string> path = dialog.Show(OpenProjectRequest());
  if (!path)
    return std::nullopt;
  const Result<OpenOutcome> opened = OpenProjectPath(program, controls, *path);
  if (!opened) {
    messages.Show(opened.error(), kProgramTitle, MessageIcon::None);
    return std::nullopt;
  }
  return *opened;
}

}  // namespace tw
