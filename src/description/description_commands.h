// The window's description commands over the core: the calls read put in
// place of the boundary, their figures for the dialog, and the export.
#pragma once

#include <optional>

#include "base/result.h"
#include "description/description_reader.h"
#include "description/description_writer.h"
#include "entry/entry_commands.h"
#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "program/program.h"

namespace tw {

// What the calls read come to: the area beside the record's, the closure and
// the precision. None when no call was read.
struct ReadFigures {
  double area = 0;
  double closure = 0;
  double perimeter = 0;
};
std::optional<ReadFigures> FiguresOfCalls(const DescriptionReading& reading);

// Replaces the boundary as Open does with a Surveyor list of the calls (in the
// list's unit, which the reading was made in), the point of beginning as the
// start coordinates; replots and relocks the modes. The replacement is not
// undone; Undo then removes the last call.
Status UseReadCalls(Program& program, EntryControls& controls, const DescriptionReading& reading);

inline constexpr const char* kDescriptionFilter = "Text File (*.txt)|*.txt|";
FileDialogRequest DescriptionExportRequest();

// File > Export Description...: the description in UTF-8, LF line ends.
void ExportDescriptionFile(Program& program, FileDialog& dialog, MessageBox& messages,
                           const DescribeOptions& options);

}  // namespace tw
