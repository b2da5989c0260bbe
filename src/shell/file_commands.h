// The main window's file commands: Open.., Save as.., Import Points..,
// Export Points.., Export to DXF.. and Report. Each handler reads the
// window's control states, runs the core procedure through the ports and
// shows what it decided.
#pragma once

#include <QObject>
#include <QPointer>

#include "settings/folders.h"
#include "shell/point_import_dialog.h"

namespace tw {

class Desktop;
class FileDialog;
class MainWindow;

class FileCommands : public QObject {
  Q_OBJECT

 public:
  // Attaches to the window's command signals; a child of the window. The
  // ports must outlive it; the message port is the window's.
  FileCommands(MainWindow& window, FileDialog& dialog, Desktop& desktop, ProgramFolders folders);

  // The import dialog while it is open, else null.
  PointImportDialog* ImportDialog() const { return import_dialog_; }

 public slots:
  void OpenProjectFile();
  void SaveProjectFile();
  void ChoosePointFile();
  void ExportPointFile();
  void ExportDxfFile();
  void WriteBoundaryReport();

 private:
  bool ImportPoints(const PointPreview& preview, const std::string& format);

  MainWindow& window_;
  FileDialog& dialog_;
  Desktop& desktop_;
  ProgramFolders folders_;
  QPointer<PointImportDialog> import_dialog_;
};

}  // namespace tw
