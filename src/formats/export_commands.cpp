#include "formats/export_commands.h"

#include "files/file_io.h"
#include "formats/dxf_file.h"
#include "formats/point_file.h"

namespace tw {
// The message box of an empty list has a title of its own, not the dialog's.
void ExportToFile(Program& program, FileDialog& dialog, MessageBox& messages,
                  const FileDialogRequest& request, const char* empty_title,
                  const ExportBytes& build) {
  if (program.entries.Empty()) {
    messages.Show(kNothingToExport, empty_title, MessageIcon::Information);
    return;
  }
  const std::optional<std::string> path = dialog.Show(request);
  if (!path)
    return;
  const Result<std::string> bytes = build(program);
  program.entries.SelectLast();
  const Status written = bytes ? WriteFileAtomically(*path, *bytes) : Status(Error{bytes.error()});
  if (!written)
    messages.Show(written.error(), kProgramTitle, MessageIcon::None);
}

FileDialogRequest PointExportRequest() {
  return SaveFileRequest("Export Points", "Untitled.asc", kPointFileFilter);
}

FileDialogRequest DxfExportRequest() {
  return SaveFileRequest("Export to DXF", "Untitled.dxf", kDxfFilter);
}

void ExportPointFile(Program& program, FileDialog& dialog, MessageBox& messages) {
  ExportToFile(program, dialog, messages, PointExportRequest(), "Point Export",
               [](const Program& p) { return PointFileBytes(p.entries.Entries(), p.state); });
}

void ExportDxfFile(Program& program, FileDialog& dialog, MessageBox& messages) {
  ExportToFile(program, dialog, messages, DxfExportRequest(), "DXF Export",
               [](const Program& p) { return DxfFileBytes(p.entries.Entries(), p.state); });
}

}  // namespace tw
