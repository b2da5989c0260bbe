// File > Import LandXML... and File > Export LandXML...: the file dialogs,
// the parcel chooser when a file holds several parcels, and the window
// taking the chosen parcel as Open takes a project.
#pragma once

#include <QObject>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "landxml/landxml_commands.h"

namespace tw {

class FileDialog;
class MainWindow;

class LandXmlMenu : public QObject {
  Q_OBJECT

 public:
  // Which parcel to import, or none; the window's is a ParcelChooser.
  using Choose = std::function<std::optional<size_t>(const std::vector<ParcelRow>&)>;

  // A child of the window; puts its items at the File menu's places for
  // imports and exports. The dialog port must outlive it.
  LandXmlMenu(MainWindow& window, FileDialog& dialog, Choose choose = {});

 public slots:
  void ImportLandXml();
  void ExportLandXml();

 private:
  std::optional<size_t> ChooseParcel(const LandXmlFile& file);

  MainWindow& window_;
  FileDialog& dialog_;
  Choose choose_;
};

}  // namespace tw
