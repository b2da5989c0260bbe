// The plot area pbDrawing: a picture box with a user coordinate system.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>

#include "boundary/ports/drawing_surface.h"

namespace tw {

// The colour of a palette index 0-15 of the classic PC text modes.
QColor PaletteColour(int index);

// Everything is drawn into a retained back buffer the size of the widget, so
// the picture survives covering and a repaint never recomputes the boundary.
// A new size gives a new white buffer; the owner replots. Lines are cut to the
// visible area in user coordinates before they reach the painter, so any zoom
// draws correctly and fast.
class PlotSurface : public QWidget, public DrawingSurface {
  Q_OBJECT

 public:
  explicit PlotSurface(QWidget* parent = nullptr);
  ~PlotSurface() override;

  void Clear() override;
  void SetScale(double left, double top, double right, double bottom) override;
  void SetPenWidth(int pixels) override;
  void LineTo(double x, double y, std::optional<int> colour) override;
  void Line(double x1, double y1, double x2, double y2, std::optional<int> colour) override;
  void Point(double x, double y, int colour) override;

  // The picture as drawn so far.
  QImage Picture();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Mapping {
    double sx, sy;  // pixels per user unit, each direction
  };
  std::optional<Mapping> CurrentMapping() const;
  QPainter& Painter();
  void EndPainting();
  void EnsureBuffer();
  void DrawClipped(double x1, double y1, double x2, double y2, const QColor& colour);
  void Touched();
  const QImage& Dot(int colour);

  QImage buffer_;
  std::unique_ptr<QPainter> painter_;
  double left_ = 0, top_ = 0, right_ = 1, bottom_ = 1;
  double pen_x_ = 0, pen_y_ = 0;
  int pen_width_ = 1;
  bool update_pending_ = false;
  std::map<int, QImage> dots_;
};

}  // namespace tw
