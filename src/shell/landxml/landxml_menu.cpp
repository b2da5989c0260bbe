#include "shell/landxml/landxml_menu.h"

#include <QAction>

#include "ports/message_box.h"
#include "shell/landxml/parcel_chooser.h"
#include "shell/map/map_program.h"
#include "shell/window/main_window.h"

namespace tw {

LandXmlMenu::LandXmlMenu(MainWindow& window, FileDialog& dialog, Choose choose)
    : QObject(&window), window_(window), dialog_(dialog), choose_(std::move(choose)) {
  if (!choose_) {
    choose_ = [this](const std::vector<ParcelRow>& rows) -> std::optional<size_t> {
      ParcelChooser chooser(rows, &window_);
      if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
      return chooser.Chosen();
    };
  }
  QAction* import =
      window.menuPlaces().recent_files.AddItem("mnuFileImportLandXml", "Import LandXML...");
  QAction* export_ =
      window.menuPlaces().exports.AddItem("mnuFileExportLandXml", "Export LandXML...");
  connect(import, &QAction::triggered, this, &LandXmlMenu::ImportLandXml);
  connect(export_, &QAction::triggered, this, &LandXmlMenu::ExportLandXml);
}

std::optional<size_t> LandXmlMenu::ChooseParcel(const LandXmlFile& file) {
  if (file.parcels.size() == 1)
    return size_t{0};
  std::vector<ParcelRow> rows;
  rows.reserve(file.parcels.size());
  for (const Parcel& p : file.parcels)
    rows.push_back(RowOf(p, file.units));
  return choose_(rows);
}

void LandXmlMenu::ImportLandXml() {
  if (!window_.MayDiscardBoundary())
    return;
  const std::optional<std::string> path = dialog_.Show(LandXmlImportRequest());
  if (!path)
    return;
  const Result<LandXmlFile> file = ReadLandXmlPath(*path);
  if (!file) {
    window_.messages().Show(file.error(), kProgramTitle, MessageIcon::None);
    return;
  }
  const std::optional<size_t> index = ChooseParcel(*file);
  if (!index)
    return;
  EntryControls controls = window_.ReadControls();
  const Result<OpenOutcome> opened =
      ImportParcel(window_.program(), controls, *file, *index, *path);
  if (opened) {
    window_.ApplyControls(controls);
    if (opened->pressed_mode)
      window_.SelectModeOption(*opened->pressed_mode);
    // Saved, it is a new project, not the LandXML file.
    window_.SetCurrentFile({});
  }
  window_.FinishCommand();
  if (!opened)
    window_.messages().Show(opened.error(), kProgramTitle, MessageIcon::None);
}

void LandXmlMenu::ExportLandXml() {
  tw::ExportLandXml(window_.program(), dialog_, window_.messages(), window_.currentFile(),
                    AskAboutCrs);
  window_.FinishCommand();
}

}  // namespace tw
