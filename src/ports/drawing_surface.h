// The picture the boundary is drawn on, in user coordinates set by SetScale.
#pragma once

#include <optional>

#include "ports/arc_chords.h"

namespace tw {

// Colours are indices 0-15 of the 16-colour palette of the classic PC text
// modes; no colour means the surface's foreground colour (black).
inline constexpr int kBlack = 0;
inline constexpr int kDarkBlue = 1;
inline constexpr int kDarkGreen = 2;
inline constexpr int kDarkRed = 4;
inline constexpr int kDarkGrey = 8;

// How far, in pixels, the chords of Arc's default may stand off the arc.
inline constexpr double kArcPixelTolerance = 0.25;

// The drawing units at the surface's edges, y up: the upper-left corner is
// (left, top).
struct PlotView {
  double left = 0, top = 0, right = 0, bottom = 0;
};

class DrawingSurface {
 public:
  virtual ~DrawingSurface() = default;
  // Erases everything; the pen returns to (0, 0).
  virtual void Clear() = 0;
  // Maps the upper-left corner to (left, top) and the lower-right corner to
  // (right, bottom), each direction independently.
  virtual void SetScale(double left, double top, double right, double bottom) = 0;
  virtual void SetPenWidth(int pixels) = 0;
  // A line from the pen position; the end point becomes the pen position.
  virtual void LineTo(double x, double y, std::optional<int> colour) = 0;
  // A line between two points; the end point becomes the pen position.
  virtual void Line(double x1, double y1, double x2, double y2, std::optional<int> colour) = 0;
  // A dot as wide as the pen; the pen moves to it.
  virtual void Point(double x, double y, int colour) = 0;

  // The circle of `radius` drawing units about (cx, cy), from `start`
  // radians to `start` + `sweep`: angles run from +x towards +y (from east
  // counter-clockwise), a negative sweep the other way. The end point
  // becomes the pen position. The circle is one in drawing units, so with
  // unequal scales it is an ellipse on screen; an implementer drawing true
  // arcs must show that same ellipse. The default draws chords computed in
  // drawing units, within kArcPixelTolerance of the arc.
  virtual void Arc(double cx, double cy, double radius, double start, double sweep,
                   std::optional<int> colour) {
    const int chords = ArcChordCount(radius * PixelsPerUnit(), sweep, kArcPixelTolerance);
    int drawn = -1;  // the first point only moves the pen
    double from_x = 0, from_y = 0;
    WalkArc(cx, cy, radius, start, sweep, chords, [&](double x, double y) {
      if (drawn == 0)
        Line(from_x, from_y, x, y, colour);
      else if (drawn > 0)
        LineTo(x, y, colour);
      from_x = x;
      from_y = y;
      ++drawn;
    });
  }

  // The pixels one drawing unit spans, the larger of across and up: what
  // Arc's default divides arcs by. A surface without pixels may keep one.
  virtual double PixelsPerUnit() const { return 1; }
};

// For runs without a window (the batch tool).
class NullSurface : public DrawingSurface {
 public:
  void Clear() override {}
  void SetScale(double, double, double, double) override {}
  void SetPenWidth(int) override {}
  void LineTo(double, double, std::optional<int>) override {}
  void Line(double, double, double, double, std::optional<int>) override {}
  void Point(double, double, int) override {}
  void Arc(double, double, double, double, double, std::optional<int>) override {}
};

}  // namespace tw
