// The main window's file commands: Open.., Save as.., Import Points..,
// Export Points.., Export to DXF.. and Report. Each handler reads the
// window's control states, runs the core procedure through the ports and
// shows what it decided.
#pragma once

#include <QObject>
#include <QPointer>

#include "settings/folders.h"
#include "shell/dialogs/point_import_dialog.h"

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

  // Opens the project file as File > Open does after its dialog, with the
  // same messages. True when the boundary was replaced.
  bool OpenPath(const std::string& path);
  // Shows the import dialog with the file's preview, as Import Points.. does
  // after its dialog. True when the dialog is shown.
  bool ShowImportDialog(const std::string& path);

 signals:
  void projectOpened(const std::string& path);
  void projectSaved(const std::string& path);
  // The boundary was replaced by points from a file that is no project.
  void pointsImported();

 public slots:
  void OpenProjectFile();
  // True when the file was written.
  bool SaveProjectFile();
  void ChoosePointFile();
  void ExportPointFile();
  void ExportDxfFile();
  void WriteBoundaryReport();

 private:
  void ShowPreview(PointPreview preview);
  bool ImportPoints(const PointPreview& preview, const std::string& format);

  MainWindow& window_;
  FileDialog& dialog_;
  Desktop& desktop_;
  ProgramFolders folders_;
  QPointer<PointImportDialog> import_dialog_;
};

}  // namespace tw
