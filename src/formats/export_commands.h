// Export Points.. and Export to DXF.., over the file dialog and message ports.
//
// An empty list shows "Nothing to export" and asks for no file; a cancelled
// dialog changes nothing and says nothing; an entry that cannot be read under
// EntryMode, or a file that cannot be written, shows one message and leaves
// any previous file as it was. Both leave the last entry selected.
#pragma once

#include <string>

#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "program/program.h"

namespace tw {

inline constexpr const char* kNothingToExport = "Nothing to export";

FileDialogRequest PointExportRequest();
FileDialogRequest DxfExportRequest();

void ExportPointFile(Program& program, FileDialog& dialog, MessageBox& messages);
void ExportDxfFile(Program& program, FileDialog& dialog, MessageBox& messages);

}  // namespace tw
