#include "shell/file_commands.h"

#include "boundary/ports/message_box.h"
#include "formats/export_commands.h"
#include "formats/import_commands.h"
#include "formats/project_commands.h"
#include "report/report_command.h"
#include "shell/main_window.h"
#include "shell/point_import_dialog.h"

namespace tw {

FileCommands::FileCommands(MainWindow& window, FileDialog& dialog, Desktop& desktop,
                           ProgramFolders folders)
    : QObject(&window),
      window_(window),
      dialog_(dialog),
      desktop_(desktop),
      folders_(std::move(folders)) {
  connect(&window, &MainWindow::openRequested, this, &FileCommands::OpenProjectFile);
  connect(&window, &MainWindow::saveRequested, this, &FileCommands::SaveProjectFile);
  connect(&window, &MainWindow::importPointsRequested, this, &FileCommands::ChoosePointFile);
  connect(&window, &MainWindow::exportPointsRequested, this, &FileCommands::ExportPointFile);
  connect(&window, &MainWindow::exportDxfRequested, this, &FileCommands::ExportDxfFile);
  connect(&window, &MainWindow::reportRequested, this, &FileCommands::WriteBoundaryReport);
}

void FileCommands::OpenProjectFile() {
  EntryControls controls = window_.ReadControls();
  const std::optional<OpenOutcome> opened =
      tw::OpenProjectFile(window_.program(), controls, dialog_, window_.messages());
  if (opened) {
    window_.ApplyControls(controls);
    // The rest of the option's click: strip, default button, settings file.
    if (opened->pressed_mode)
      window_.SelectModeOption(*opened->pressed_mode);
  }
  window_.FinishCommand();
  // Shown over the opened boundary, not before it appears.
  if (opened && opened->message)
    window_.messages().Show(*opened->message, kProgramTitle, MessageIcon::None);
}

void FileCommands::SaveProjectFile() {
  tw::SaveProjectFile(window_.program(), dialog_, window_.messages());
  window_.FinishCommand();
}

void FileCommands::ChoosePointFile() {
  std::optional<PointPreview> preview = tw::ChoosePointFile(dialog_, window_.messages());
  if (!preview)
    return;
  if (!import_dialog_) {
    import_dialog_ =
        new PointImportDialog([this](const PointPreview& p,
                                     const std::string& format) { return ImportPoints(p, format); },
                              &window_);
  }
  import_dialog_->Load(std::move(*preview));
  import_dialog_->show();
  import_dialog_->raise();
  import_dialog_->activateWindow();
}

bool FileCommands::ImportPoints(const PointPreview& preview, const std::string& format) {
  EntryControls controls = window_.ReadControls();
  const ImportOutcome outcome = tw::ImportPoints(window_.program(), controls, preview, format);
  if (outcome.imported) {
    window_.ApplyControls(controls);
    window_.SelectModeOption(ModeOption::Point);
  }
  window_.FinishCommand();
  // Shown over the imported boundary, not before it appears.
  if (outcome.message)
    window_.messages().Show(*outcome.message, kProgramTitle, MessageIcon::None);
  return outcome.imported;
}

void FileCommands::ExportPointFile() {
  tw::ExportPointFile(window_.program(), dialog_, window_.messages());
  window_.FinishCommand();
}

void FileCommands::ExportDxfFile() {
  tw::ExportDxfFile(window_.program(), dialog_, window_.messages());
  window_.FinishCommand();
}

void FileCommands::WriteBoundaryReport() {
  tw::WriteBoundaryReport(window_.program(), window_.messages(), desktop_, folders_);
  window_.FinishCommand();
}

}  // namespace tw
