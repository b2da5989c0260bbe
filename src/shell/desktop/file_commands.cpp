#include "shell/desktop/file_commands.h"

#include "formats/export_commands.h"
#include "formats/import_commands.h"
#include "formats/project_commands.h"
#include "ports/message_box.h"
#include "report/report_command.h"
#include "session/recovery_file.h"
#include "shell/dialogs/point_import_dialog.h"
#include "shell/window/main_window.h"

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
  if (!window_.MayDiscardBoundary())
    return;
  const std::optional<std::string> path = dialog_.Show(OpenProjectRequest());
  if (path)
    OpenPath(*path);
}

bool FileCommands::OpenPath(const std::string& path) {
  EntryControls controls = window_.ReadControls();
  const Result<OpenOutcome> opened = OpenProjectPath(window_.program(), controls, path);
  if (opened) {
    window_.ApplyControls(controls);
    // The rest of the option's click: strip, default button, settings file.
    if (opened->pressed_mode)
      window_.SelectModeOption(*opened->pressed_mode);
  }
  window_.FinishCommand();
  if (!opened) {
    window_.messages().Show(opened.error(), kProgramTitle, MessageIcon::None);
    return false;
  }
  // Shown over the opened boundary, not before it appears.
  if (opened->message)
    window_.messages().Show(*opened->message, kProgramTitle, MessageIcon::None);
  emit projectOpened(path);
  return true;
}

bool FileCommands::SaveProjectFile() {
  const auto own_file = [this](const std::string& target) -> std::optional<std::string> {
    if (IsInRecoveryFolder(target, folders_.settings))
      return OwnFileRefusedMessage(target);
    return std::nullopt;
  };
  const std::optional<std::string> path =
      tw::SaveProjectFile(window_.program(), dialog_, window_.messages(), own_file);
  window_.FinishCommand();
  if (path)
    emit projectSaved(*path);
  return path.has_value();
}

void FileCommands::ChoosePointFile() {
  std::optional<PointPreview> preview = tw::ChoosePointFile(dialog_, window_.messages());
  if (preview)
    ShowPreview(std::move(*preview));
}

bool FileCommands::ShowImportDialog(const std::string& path) {
  Result<PointPreview> preview = ReadPointFile(path);
  if (!preview) {
    window_.messages().Show(preview.error(), kProgramTitle, MessageIcon::None);
    return false;
  }
  ShowPreview(std::move(preview).take());
  return true;
}

void FileCommands::ShowPreview(PointPreview preview) {
  if (!import_dialog_) {
    import_dialog_ =
        new PointImportDialog([this](const PointPreview& p,
                                     const std::string& format) { return ImportPoints(p, format); },
                              &window_);
  }
  import_dialog_->Load(std::move(preview));
  import_dialog_->show();
  import_dialog_->raise();
  import_dialog_->activateWindow();
}

bool FileCommands::ImportPoints(const PointPreview& preview, const std::string& format) {
  if (!window_.MayDiscardBoundary())
    return false;
  EntryControls controls = window_.ReadControls();
  const ImportOutcome outcome = tw::ImportPoints(window_.program(), controls, preview, format);
  if (outcome.imported) {
    window_.ApplyControls(controls);
    window_.SelectModeOption(ModeOption::Point);
  }
  window_.FinishCommand();
  if (outcome.imported)
    emit pointsImported();
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
