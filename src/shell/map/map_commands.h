// File > Location... and File > Export Map...: the boundary placed on the
// earth and written for map programs by the map program, which alone loads
// GDAL.
#pragma once

#include <QObject>

#include "ports/file_dialog.h"

namespace tw {

class MainWindow;

class MapCommands : public QObject {
  Q_OBJECT

 public:
  // A child of the window; puts its two items at the File menu's place the
  // window keeps for them. The dialog port must outlive it.
  MapCommands(MainWindow& window, FileDialog& dialog);

 public slots:
  void EditLocation();
  void ExportMap();

 private:
  MainWindow& window_;
  FileDialog& dialog_;
};

}  // namespace tw
