// The plot area pbDrawing: a picture box with a user coordinate system.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <map>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

#include "geometry/arc_clip.h"
#include "geometry/line_clip.h"
#include "geometry/plane.h"
#include "ports/drawing_surface.h"
#include "shell/plot/pixel_lines.h"

namespace tw {

// Texts drawn over the picture at a fixed size, placed in user coordinates:
// each line's label on its outer side (left out when the line is shorter on
// screen than its text) and the corner numbers.
struct PlotLabels {
  struct Line {
    PlanePoint from;
    PlanePoint to;
    Offsets out;  // the outer unit normal, user directions
    QString text;
    // A curve's label runs along its arc, at the arc's middle, instead.
    struct Arc {
      PlanePoint centre;
      double radius = 0, start = 0, sweep = 0;
    };
    std::optional<Arc> arc;
  };
  struct Corner {
    PlanePoint at;
    Offsets out;
    QString text;
  };
  std::vector<Line> lines;
  std::vector<Corner> corners;
};

// The colour of a palette index 0-15 of the classic PC text modes.
QColor PaletteColour(int index);

// Everything is drawn into a retained back buffer the size of the widget, so
// the picture survives covering and a repaint never recomputes the boundary.
// A new size gives a new white buffer; the owner replots. Lines are cut to the
// visible area in user coordinates before they are drawn, so any zoom draws
// correctly and fast; lines up to two pixels wide and the dots are written
// into the buffer's pixels, in the order they come.
//
// The left button drags the picture and the wheel turns; the surface only
// reports both, in its own pixels, and the owner moves the view.
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
  // Only the parts of the arc that cross the visible area are divided into
  // chords, so an arc of any size at any zoom costs what its visible part does.
  void Arc(double cx, double cy, double radius, double start, double sweep,
           std::optional<int> colour) override;
  double PixelsPerUnit() const override;

  // One drawing unit the same number of pixels across and up: the shorter
  // side spans the scale's extent, the longer side proportionally more,
  // about the same centre. The owner replots.
  void SetEqualScales(bool on) { equal_scales_ = on; }
  void SetLabels(PlotLabels labels);
  // The drawing units a label's height spans at the present scale; 0 when
  // the scale cannot be used.
  double LabelSizeInUnits() const;

  // The picture as drawn so far, with the labels, at the device pixel ratio.
  QImage Picture();

  // The user point that a position in the widget (device-independent
  // pixels) shows, or will show once scaled to `view`; none while that scale
  // cannot be used.
  std::optional<QPointF> UserPoint(QPointF pixel, const PlotView& view) const;

 signals:
  // The pointer moved from one position to another with the picture held.
  void dragged(QPointF from, QPointF to);
  // Turned by a number of notches at a position, positive away from the user.
  void wheelTurned(QPointF at, double notches);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  struct Mapping {
    double sx, sy;                    // pixels per user unit, each direction
    double ox, oy;                    // the user point at the upper-left corner
    double left, top, right, bottom;  // the visible user area
    QPointF operator()(double x, double y) const { return {(x - ox) * sx, (y - oy) * sy}; }
  };
  std::optional<Mapping> MappingFor(const PlotView& view) const;
  std::optional<Mapping> CurrentMapping() const;
  QPainter& Painter();
  QImage& Pixels();
  void EndPainting();
  void EnsureBuffer();
  ClipRect VisibleArea(const Mapping& m) const;
  void DrawClipped(double x1, double y1, double x2, double y2, const QColor& colour);
  void DrawArcPiece(const Mapping& m, double cx, double cy, double radius, const ArcPiece& piece,
                    const QColor& colour);
  void Touched();
  const std::vector<MarkRun>& Dot();
  struct LabelPlace;
  static LabelPlace PlaceOnLine(const Mapping& m, PlanePoint from, PlanePoint to);
  static LabelPlace PlaceOnArc(const Mapping& m, const PlotLabels::Line::Arc& arc);
  void DrawLabels(QPainter& p) const;
  const QImage& LabelImage(const QString& text, const QFont& font, qreal ratio) const;

  QImage buffer_;
  std::unique_ptr<QPainter> painter_;
  PlotView scale_{.left = 0, .top = 0, .right = 1, .bottom = 1};
  double pen_x_ = 0, pen_y_ = 0;
  int pen_width_ = 1;
  bool update_pending_ = false;
  std::map<int, std::vector<MarkRun>> dots_;  // by pen width
  bool equal_scales_ = false;
  std::optional<QPointF> held_at_;  // where the picture is held, while it is
  PlotLabels labels_;
  mutable std::unordered_map<QString, QImage> label_images_;
};

}  // namespace tw
