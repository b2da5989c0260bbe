#include "formats/import_commands.h"

#include "base/quote.h"
#include "boundary/mode_controls.h"
#include "boundary/mode_option.h"
#include "files/file_io.h"
#include "files/text_encoding.h"
#include "formats/text_lines.h"
#include "program/plot.h"

namespace tw {
namespace {

std::string NoPointMessage(const PointPreview& preview, std::string_view format) {
  return "No point could be read from the file \"" + Utf8ToCp1252(preview.path) +
         "\" with the format \"" + std::string(format) + "\".";
}

std::string SkippedMessage(const PointImport& points) {
  const std::string count = std::to_string(points.skipped);
  const std::string lines = points.skipped == 1 ? " line was" : " lines were";
  return count + lines + " skipped because the fields of the format are missing or not numbers." +
         " The first is line " + std::to_string(points.first_skipped->line_number) + ": " +
         QuoteForMessage(points.first_skipped->text);
}

}  // namespace

FileDialogRequest PointImportRequest() {
  return OpenFileRequest("Open Point File", kPointImportFilter);
}

Result<PointPreview> ReadPointFile(const std::string& path) {
  const Result<std::string> bytes = ReadFileBytes(path);
  if (!bytes)
    return Error{bytes.error()};
  if (!StartsWithUtf8Mark(*bytes))
    return PointPreview{path, PreviewLines(*bytes)};
  const Result<std::string> text = Utf8FileText(*bytes);
  if (!text)
    return Error{"The file \"" + Utf8ToCp1252(path) + "\" could not be read: " + text.error() +
                 "."};
  return PointPreview{path, PreviewLines(*text)};
}

std::optional<PointPreview> ChoosePointFile(FileDialog& dialog, MessageBox& messages) {
  const std::optional<std::string> path = dialog.Show(PointImportRequest());
  if (!path)
    return std::nullopt;
  Result<PointPreview> preview = ReadPointFile(*path);
  if (!preview) {
    messages.Show(preview.error(), kProgramTitle, MessageIcon::None);
    return std::nullopt;
  }
  return std::move(preview).take();
}

ImportOutcome ImportPoints(Program& program, EntryControls& controls, const PointPreview& preview,
                           std::string_view format) {
  PointImport points = BuildPointEntries(preview.lines, format);
  if (points.entries.empty())
    return {false, NoPointMessage(preview, format)};
  program.entries.Replace(std::move(points.entries));
  RecentreDrawing(program);
  controls.modes = PressModeOption(controls.modes, ModeOption::Point);
  program.state.EntryMode = ModeText(ModeOption::Point);
  const size_t count = program.entries.Count();
  controls.modes = RelockModeControls(controls.modes, count);
  controls.modes =
      UpdateUnitMenus(controls.modes, count, program.state.UnitAbbrev, program.state.EntryMode);
  controls.cmdUndo_enabled = true;
  // Every entry was just written in the plain number form, so the redraw
  // reads them all.
  const Status drawn = RedrawBoundary(program);
  if (!drawn)
    return {true, drawn.error()};
  if (points.skipped > 0)
    return {true, SkippedMessage(points)};
  return {true, std::nullopt};
}

ImportOutcome ImportPoints(Program& program, EntryControls& controls, const PointPreview& preview,
                           std::string_view format, MessageBox& messages) {
  ImportOutcome outcome = ImportPoints(program, controls, preview, format);
  if (outcome.message)
    messages.Show(*outcome.message, kProgramTitle, MessageIcon::None);
  return outcome;
}

}  // namespace tw
