// Export Points.. and Export to DXF.., over the file dialog and message ports,
// and the one way every export of the boundary to a file goes.
//
// An empty list shows "Nothing to export" and asks for no file; a cancelled
// dialog changes nothing and says nothing; an entry that cannot be read under
// EntryMode, or a file that cannot be written, shows one message and leaves
// any previous file as it was. Both leave the last entry selected.
#pragma once

#include <functional>
#include <string>

#include "base/result.h"

#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "program/program.h"

namespace tw {

inline constexpr const char* kNothingToExport = "Nothing to export";

FileDialogRequest PointExportRequest();
FileDialogRequest DxfExportRequest();

// The file's bytes, built once the file is chosen.
using ExportBytes = std::function<Result<std::string>(const Program&)>;

// Asks for the file and writes `build`'s bytes into it, as described above;
// `empty_title` is the title of the message box of an empty list.
void ExportToFile(Program& program, FileDialog& dialog, MessageBox& messages,
                  const FileDialogRequest& request, const char* empty_title,
                  const ExportBytes& build);

void ExportPointFile(Program& program, FileDialog& dialog, MessageBox& messages);
void ExportDxfFile(Program& program, FileDialog& dialog, MessageBox& messages);

}  // namespace tw
