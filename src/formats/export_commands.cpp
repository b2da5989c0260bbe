#include "formats/export_commands.h"

#include "files/file_io.h"
#include "formats/dxf_file.h"
#include "formats/point_file.h"

namespace tw {
namespace {

using BytesBuilder = Result<std::string> (*)(const EntryTexts&, const ProgramState&);

// The message box of an empty list has a title of its own, not the dialog's.
void Export(Program& program, FileDialog& dialog, MessageBox& messages,
            const FileDialogRequest& request, const char* empty_title, BytesBuilder build) {
  if (program.entries.Empty()) {
    messages.Show(kNothingToExport, empty_title, MessageIcon::Information);
    return;
  }
  const std::optional<std::string> path = dialog.Show(request);
  if (!path)
    return;
  const Result<std::string> bytes = build(program.entries.Entries(), program.state);
  program.entries.SelectLast();
  const Status written = bytes ? WriteFileAtomically(*path, *bytes) : Status(Error{bytes.error()});
  if (!written)
    messages.Show(written.error(), kProgramTitle, MessageIcon::None);
}

}  // namespace

FileDialogRequest PointExportRequest() {
  return SaveFileRequest("Export Points", "Untitled.asc", kPointFileFilter);
}

FileDialogRequest DxfExportRequest() {
  return SaveFileRequest("Export to DXF", "Untitled.dxf", kDxfFilter);
}

void ExportPointFile(Program& program, FileDialog& dialog, MessageBox& messages) {
  Export(program, dialog, messages, PointExportRequest(), "Point Export", PointFileBytes);
}

void ExportDxfFile(Program& program, FileDialog& dialog, MessageBox& messages) {
  Export(program, dialog, messages, DxfExportRequest(), "DXF Export", DxfFileBytes);
}

}  // namespace tw
