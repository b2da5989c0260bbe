// File > Export PDF Plat..., Export PDF Plat with Closure Report... and
// Print...: the plat through the file-dialog and print-dialog ports.
#pragma once

#include <QObject>
#include <optional>
#include <string>

#include "plat/plat_layout.h"
#include "ports/file_dialog.h"

class QPrinter;

namespace tw {

class MainWindow;
class PrintDialog;

inline constexpr const char* kPlatNotPrinted = "The plat could not be printed.";

FileDialogRequest PlatExportRequest();

// Draws the plat on the printer's whole page. False when it could not.
bool PrintPlat(const EntryList& entries, const ProgramState& state, const PlatHeading& heading,
               QPrinter& printer);

class PlatCommands : public QObject {
  Q_OBJECT

 public:
  // A child of the window; puts its three items at the File menu's place the
  // window keeps for them. The ports must outlive it.
  PlatCommands(MainWindow& window, FileDialog& dialog, PrintDialog& printer);

 public slots:
  void ExportPdfPlat();
  // The plat with the closure report as further pages.
  void ExportPdfPlatWithReport();
  void PrintPlat();

 private:
  void ExportPlat(bool closure_report);
  PlatHeading Heading() const;
  bool CheckNotEmpty();

  MainWindow& window_;
  FileDialog& dialog_;
  PrintDialog& printer_;
};

}  // namespace tw
