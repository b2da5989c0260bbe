// Import Points..: choosing the point file, then importing its previewed
// lines in the column order the user picks.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "entry/entry_commands.h"
#include "formats/point_import.h"
#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "program/program.h"

namespace tw {

// What the import dialog shows and imports from.
struct PointPreview {
  std::string path;
  PointFileLines lines;
};

FileDialogRequest PointImportRequest();

// Asks for the point file and reads its non-empty lines. nullopt when the
// dialog was cancelled (silently) or the file could not be read (one message
// naming it); then the import dialog is not shown.
std::optional<PointPreview> ChoosePointFile(FileDialog& dialog, MessageBox& messages);
// The same without the dialog; the error is the message to show. A file that
// starts with the UTF-8 byte-order mark is read as UTF-8 (Utf8FileText).
Result<PointPreview> ReadPointFile(const std::string& path);

struct ImportOutcome {
  bool imported = false;  // the list was replaced: the window closes the dialog
  // Windows-1252; for the message box, or the batch tool's stderr.
  std::optional<std::string> message;
};

// Replaces the list with the points read in the format, puts Point mode's
// option down and sets EntryMode (the window runs the rest of its mode switch
// for ModeOption::Point when `imported`), locks the modes,
// updates the unit menus and replots; cmdUndo is enabled. Lines that cannot be
// read are skipped and counted in the message. When no point at all can be
// read, nothing changes and the message says so.
ImportOutcome ImportPoints(Program& program, EntryControls& controls, const PointPreview& preview,
                           std::string_view format);

// The same, showing the message.
ImportOutcome ImportPoints(Program& program, EntryControls& controls, const PointPreview& preview,
                           std::string_view format, MessageBox& messages);

}  // namespace tw
