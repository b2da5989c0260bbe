#include "report/report_command.h"

#include "about/links.h"
#include "files/file_io.h"
#include "report/boundary_report.h"

namespace tw {

void WriteBoundaryReport(Program& program, MessageBox& messages, Desktop& desktop,
                         const ProgramFolders& folders) {
  if (program.entries.Empty()) {
    messages.Show(kNothingToReport, "Reporting", MessageIcon::Information);
    return;
  }
  const Result<std::string> bytes = BoundaryReportBytes(program.entries, program.state);
  if (!bytes) {
    messages.Show(bytes.error(), kProgramTitle, MessageIcon::None);
    return;
  }
  // A folder that cannot be made shows as the write's own failure below.
  EnsureFolder(folders.data);
  const std::string path = ReportFilePath(folders);
  const Status written = WriteFileAtomically(path, *bytes);
  if (!written) {
    messages.Show(written.error(), kProgramTitle, MessageIcon::None);
    return;
  }
  OpenForViewing(path, true, desktop, messages);
}

}  // namespace tw
