#include "shell/map/map_commands.h"

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QTemporaryFile>

#include "base/text.h"
#include "files/text_encoding.h"
#include "formats/export_commands.h"
#include "formats/project_file.h"
#include "map/map_formats.h"
#include "ports/message_box.h"
#include "shell/map/location_dialog.h"
#include "shell/map/map_program.h"
#include "shell/window/main_window.h"

namespace tw {
namespace {

// The polygon's name: the project file's name without ".twc".
std::string MapName(const std::string& path) {
  std::string name = ProjectTitleOf(path);
  return name.ends_with(".twc") ? name.substr(0, name.size() - 4) : name;
}

const MapFormatRow* ChooseFormat(QWidget* parent) {
  QStringList titles;
  for (const MapFormatRow& row : kMapFormats)
    titles << QString::fromUtf8(row.title.data(), static_cast<qsizetype>(row.title.size()));
  bool chosen = false;
  const QString title =
      QInputDialog::getItem(parent, "Export Map", "Format", titles, 0, false, &chosen);
  if (!chosen)
    return nullptr;
  return &kMapFormats[static_cast<size_t>(titles.indexOf(title))];
}

}  // namespace

MapCommands::MapCommands(MainWindow& window, FileDialog& dialog)
    : QObject(&window), window_(window), dialog_(dialog) {
  const MenuPlace& place = window.menuPlaces().map;
  QAction* location = place.AddItem("mnuFileLocation", "Location...");
  QAction* export_map = place.AddItem("mnuFileExportMap", "Export Map...");
  connect(location, &QAction::triggered, this, &MapCommands::EditLocation);
  connect(export_map, &QAction::triggered, this, &MapCommands::ExportMap);
}

// A changed location is a change of the project: the session's question and
// recovery file follow it when the command finishes.
void MapCommands::EditLocation() {
  LocationDialog dialog(window_.program().state, &window_);
  if (dialog.exec() != QDialog::Accepted)
    return;
  window_.program().state.location = dialog.chosen();
  window_.FinishCommand();
}

// The map program reads the project as it is now, unsaved changes included,
// from a copy of its own.
void MapCommands::ExportMap() {
  const Program& program = window_.program();
  MessageBox& messages = window_.messages();
  if (program.entries.Empty()) {
    messages.Show(kNothingToExport, kProgramTitle, MessageIcon::Information);
    return;
  }
  if (!program.state.location) {
    messages.Show(kNoLocation, kProgramTitle, MessageIcon::Information);
    return;
  }
  const MapFormatRow* format = ChooseFormat(&window_);
  if (!format)
    return;
  const std::string name = MapName(window_.currentFile());
  const std::optional<std::string> path = dialog_.Show(
      SaveFileRequest("Export map as", name + std::string(format->extension),
                      std::string(format->title) + "|*" + std::string(format->extension) + "|"));
  if (!path)
    return;
  QTemporaryFile project;
  const std::string bytes = ProjectFileBytes(program.state, program.entries.Entries());
  if (!project.open() ||
      project.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
          static_cast<qint64>(bytes.size()) ||
      !project.flush()) {
    messages.Show("The map could not be prepared.", kProgramTitle, MessageIcon::None);
    return;
  }
  // A long boundary takes a second or two; the window waits for it.
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const MapRun run = RunMapProgram({"map", QString::fromStdString(std::string(format->key)),
                                    "--name", QString::fromStdString(name), "-o",
                                    QFile::decodeName(path->c_str()), project.fileName()});
  QApplication::restoreOverrideCursor();
  if (!run.err.empty())
    messages.Show(Utf8ToCp1252(run.err), kProgramTitle, MessageIcon::None);
}

}  // namespace tw
