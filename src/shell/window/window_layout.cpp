#include "shell/window/window_layout.h"

#include <algorithm>
#include <cmath>

namespace tw {
namespace {

constexpr float kFrameWidth = 120;
constexpr float kFrameHeight = 765;
constexpr float kMinimumWidth = 11500;
constexpr float kMinimumHeight = 5500;
constexpr float kStripRow = 375;

}  // namespace

int Pixels(double twips) {
  return static_cast<int>(std::lround(twips / kTwipsPerPixel));
}

QRect TwipsRect(double left, double top, double width, double height) {
  return QRect(Pixels(left), Pixels(top), Pixels(width), Pixels(height));
}

QSize MinimumClientSize() {
  return QSize(static_cast<int>(std::ceil((kMinimumWidth - kFrameWidth) / kTwipsPerPixel)),
               static_cast<int>(std::ceil((kMinimumHeight - kFrameHeight) / kTwipsPerPixel)));
}

MainLayout LayOutMainWindow(QSize client_pixels, bool curve_rows) {
  // The arithmetic is single precision, as the window's own was.
  const float w = static_cast<float>(client_pixels.width()) * kTwipsPerPixel + kFrameWidth;
  const float h = static_cast<float>(client_pixels.height()) * kTwipsPerPixel + kFrameHeight;
  MainLayout l;
  l.pbDrawing = TwipsRect(10, 600, w - 2805.0f, h - 2775.0f);
  // The plot area's size as the control holds it, in whole pixels.
  const float pw = static_cast<float>(l.pbDrawing.width()) * kTwipsPerPixel;
  const float ph = static_cast<float>(l.pbDrawing.height()) * kTwipsPerPixel;
  const float b = ph + 825.0f;
  l.Image1 = TwipsRect(pw + 105.0f, 600, 2445, 2445);
  l.LstBearings = TwipsRect(pw + 105.0f, 3240, 2535, ph - 2655.0f);
  l.cmdUndo = TwipsRect(w - 2385.0f, b - 50.0f, 975, 375);
  l.cmdClear = TwipsRect(w - 1305.0f, b - 50.0f, 1095, 375);
  l.TxtReport = TwipsRect(10, ph + 1200.0f, w - 210.0f, 735);
  l.cmdRedraw = TwipsRect(w - 3225.0f, 240, 375, 375);
  l.cmdZoomOut = TwipsRect(w - 3588.0f, 240, 375, 375);
  l.cmdZoomIN = TwipsRect(w - 3945.0f, 240, 375, 375);
  l.frameCarpenter = TwipsRect(0, b - 50.0f, w - 2400.0f, 375);
  l.frameSurveyor = TwipsRect(0, b - 50.0f, w - 2400.0f, 375);
  l.framePoint = TwipsRect(0, b - 50.0f, w - 2400.0f, 435);
  l.cmdAddLine = TwipsRect(w - 3825.0f, 0, 1095, 375);
  l.cmdCarpAddLine = TwipsRect(w - 3825.0f, 0, 1095, 375);
  l.cmdPOINTAddLine = TwipsRect(w - 3825.0f, 0, 1095, 375);
  if (curve_rows) {
    const int rows = Pixels(2 * kStripRow);
    l.frameCurve = QRect(0, l.frameSurveyor.top() - rows, l.frameSurveyor.width(), rows);
    l.pbDrawing.setBottom(std::min(l.pbDrawing.bottom(), l.frameCurve.top() - 1));
  }
  return l;
}

bool IsWellUnderScreen(QSize frame, QSize available) {
  return frame.width() * 10 < available.width() * 9 || frame.height() * 10 < available.height() * 9;
}

}  // namespace tw
