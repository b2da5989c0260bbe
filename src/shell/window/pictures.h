// The window's pictures, drawn in code: the command buttons, the mode options,
// the picture above the line list, the Carpenter arrows and the window icon.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>
#include <vector>

namespace tw {

enum class ButtonPicture {
  New,
  Open,
  Save,
  DxfExport,
  PointExport,
  Report,
  Help,
  ZoomIn,
  ZoomOut,
  Redraw,
};

// 24x23 for the file commands, 16x16 for Help, 24x24 for the zoom buttons.
QIcon ButtonIcon(ButtonPicture picture);

enum class ModePicture { Surveyor, Carpenter, Point };

// 80x25: a small sketch of how the mode enters a boundary, with its name.
QIcon ModeIcon(ModePicture picture);

// 159x159: a surveyed plot with its corners, for Image1.
QPixmap PlotPicture();

// The arrow images of ilArrows, keyed "0 Degrees" to "315 Degrees".
struct ArrowImage {
  QString key;
  QIcon image;
};
std::vector<ArrowImage> ArrowImages();

// 32, 24 and 16 pixels square.
QIcon WindowIcon();

}  // namespace tw
