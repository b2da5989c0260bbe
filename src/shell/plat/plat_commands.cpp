#include "shell/plat/plat_commands.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrinter>

#include "files/file_io.h"
#include "formats/export_commands.h"
#include "formats/project_file.h"
#include "plat/pdf_page.h"
#include "ports/message_box.h"
#include "settings/standard_setting.h"
#include "shell/plat/plat_page_qt.h"
#include "shell/plat/print_dialog.h"
#include "shell/window/main_window.h"

namespace tw {
namespace {

constexpr double kMmPerPoint = 25.4 / 72;

}  // namespace

bool QtPrintDialog::Choose(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

FileDialogRequest PlatExportRequest() {
  return SaveFileRequest("Save plat as", "plat.pdf", "PDF file (*.pdf)|*.pdf|");
}

bool PrintPlat(const EntryList& entries, const ProgramState& state, const PlatHeading& heading,
               QPrinter& printer) {
  printer.setFullPage(true);
  const QRectF paper = printer.pageLayout().fullRectPoints();
  QPainter painter;
  if (!painter.begin(&printer))
    return false;
  QtPage page(painter, printer);
  const Status laid = LayOutPlat(entries, state, heading,
                                 {paper.width() * kMmPerPoint, paper.height() * kMmPerPoint}, page);
  return painter.end() && laid;
}

PlatCommands::PlatCommands(MainWindow& window, FileDialog& dialog, PrintDialog& printer)
    : QObject(&window), window_(window), dialog_(dialog), printer_(printer) {
  const MenuPlace& place = window.menuPlaces().plat;
  QAction* export_pdf = place.AddItem("mnuFilePdfPlat", "Export PDF Plat...");
  QAction* export_report =
      place.AddItem("mnuFilePdfPlatReport", "Export PDF Plat with Closure Report...");
  QAction* print = place.AddItem("mnuFilePrint", "Print...");
  connect(export_pdf, &QAction::triggered, this, &PlatCommands::ExportPdfPlat);
  connect(export_report, &QAction::triggered, this, &PlatCommands::ExportPdfPlatWithReport);
  connect(print, &QAction::triggered, this, &PlatCommands::PrintPlat);
}

PlatHeading PlatCommands::Heading() const {
  PlatHeading h;
  h.title = PlatTitleOf(window_.currentFile());
  h.date = TodayText();
  h.standard = ReadStoredStandard(window_.settingsFile());
  return h;
}

bool PlatCommands::CheckNotEmpty() {
  if (!window_.program().entries.Empty())
    return true;
  window_.messages().Show(kNothingToExport, kProgramTitle, MessageIcon::Information);
  return false;
}

void PlatCommands::ExportPdfPlat() {
  ExportPlat(false);
}

void PlatCommands::ExportPdfPlatWithReport() {
  ExportPlat(true);
}

void PlatCommands::ExportPlat(bool closure_report) {
  if (!CheckNotEmpty())
    return;
  const std::optional<std::string> path = dialog_.Show(PlatExportRequest());
  if (!path)
    return;
  const Program& program = window_.program();
  PlatHeading heading = Heading();
  heading.closure_report = closure_report;
  const Result<std::string> pdf = PlatPdfBytes(program.entries, program.state, heading);
  const Status written = pdf ? WriteFileAtomically(*path, *pdf) : Status(Error{pdf.error()});
  if (!written)
    window_.messages().Show(written.error(), kProgramTitle, MessageIcon::None);
}

void PlatCommands::PrintPlat() {
  if (!CheckNotEmpty())
    return;
  QPrinter printer(QPrinter::HighResolution);
  if (!printer_.Choose(printer))
    return;
  const Program& program = window_.program();
  if (!tw::PrintPlat(program.entries, program.state, Heading(), printer))
    window_.messages().Show(kPlatNotPrinted, kProgramTitle, MessageIcon::None);
}

}  // namespace tw
