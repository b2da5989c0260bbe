// Save as.. and Open.. of the project file, over the file dialog and message
// ports. A cancelled dialog changes nothing and says nothing; every other
// failure shows one message naming the file.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "entry/entry_commands.h"
#include "formats/project_file.h"
#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "program/program.h"
#include "settings/unit_system.h"

namespace tw {

FileDialogRequest SaveProjectRequest();
FileDialogRequest OpenProjectRequest();

// The message refusing a chosen target (a file the program keeps for
// itself), or nothing when it may be written.
using SaveTargetCheck = std::function<std::optional<std::string>(const std::string& path)>;

// Writes the project file (atomically) and leaves the last entry selected.
// The path written; nullopt when the dialog was cancelled, the target was
// refused or the write failed.
std::optional<std::string> SaveProjectFile(Program& program, FileDialog& dialog,
                                           MessageBox& messages,
                                           const SaveTargetCheck& refuse = {});
Status SaveProjectPath(Program& program, const std::string& path);

struct OpenOutcome {
  // The mode whose option Open checked: the window runs the rest of that
  // option's mode switch (strip, default button, settings file). None when
  // the file names no known mode and no option was checked.
  std::optional<ModeOption> pressed_mode;
  // Set when the file's mode contradicted its entries and was corrected: the
  // caller shows it once, over the opened boundary.
  std::optional<std::string> message;
};

// The mode a list must be opened in when `mode` contradicts the kind of its
// entry 0: Point for point entries said to be Surveyor or Carpenter, Surveyor
// for bearing entries said to be Point. nullopt when the mode stands, as any
// other mode text and the mode of an empty list do.
std::optional<ModeOption> ModeForEntries(std::string_view mode, const EntryTexts& entries);

// Validates the whole file before anything changes; a rejected file leaves
// the list, the first point, the unit and the mode exactly as they were.
// Otherwise replaces the list, takes the header's values (a mode that
// contradicts the entries is corrected, see ModeForEntries), puts the mode's
// option down, then updates the unit menus, replots (one "Closure: " line per
// entry) and locks the modes. cmdUndo is enabled exactly when the list is not
// empty. nullopt when nothing was opened. A failure is shown here; the
// outcome's message is not.
std::optional<OpenOutcome> OpenProjectFile(Program& program, EntryControls& controls,
                                           FileDialog& dialog, MessageBox& messages);
// The same without the dialog; the error is the message to show.
Result<OpenOutcome> OpenProjectPath(Program& program, EntryControls& controls,
                                    const std::string& path);
// The same for a project already read (an import builds one), `path` naming
// it in the message of a corrected mode.
Result<OpenOutcome> OpenProject(Program& program, EntryControls& controls, ProjectFile file,
                                const std::string& path);

// The list replaced by `entries` and shown as Open shows a file, for every
// command that brings in a whole boundary: the drawing recentred, the option
// of the state's mode put down, the unit menus updated, replotted, the modes
// locked and Undo offered when the list is not empty.
Status ShowReplacedList(Program& program, EntryControls& controls, EntryTexts entries);

}  // namespace tw
