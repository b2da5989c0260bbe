// Where the resizing controls of the main window go for a given size.
#pragma once

#include <QRect>
#include <QSize>

namespace tw {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
int Pixels(double twips);
QRect TwipsRect(double left, double top, double width, double height);

// The outer window of the rules is the client area plus the border, title
// bar and menu bar of a standard sizable window: 120 twips wider and 765
// twips higher. So the smallest outer window, 11500 x 5500 twips, is a
// client area of at least this many pixels.
QSize MinimumClientSize();

// The positions that follow the window's size; every other control keeps
// its designed place. Rectangles are in pixels of the client area (children
// of a strip: of the strip).
struct MainLayout {
  QRect pbDrawing, Image1, LstBearings, cmdUndo, cmdClear, TxtReport;
  QRect cmdZoomIN, cmdZoomOut, cmdRedraw;
  QRect frameSurveyor, frameCarpenter, framePoint;
  QRect cmdAddLine, cmdCarpAddLine, cmdPOINTAddLine;
  QRect frameCurve;  // empty unless the curve rows are shown
};

// With `curve_rows` the Surveyor strip's two curve rows stand above it, and
// the plot gives up their height; without, every place is as it always was.
MainLayout LayOutMainWindow(QSize client_pixels, bool curve_rows = false);

// A frame under 90 % of the screen's available area in either direction was
// not maximised as asked.
bool IsWellUnderScreen(QSize frame, QSize available);

}  // namespace tw
