#include "geometry/line_clip.h"

#include <cmath>

namespace tw {
namespace {

// Where one end of the segment is cut: the line parameter t, and the edge
// that cut it (the coordinate on that edge is set exactly, since x1 + t * dx
// loses the edge's value when the ends are far larger than the rectangle).
struct Cut {
  double t;
  bool on_x_edge = false;
  bool on_y_edge = false;
  double edge = 0;
};

// One edge of the Liang-Barsky walk: narrows [t0, t1] to the side of the
// edge where p * t <= q holds; false when nothing is left.
bool ClipEdge(double p, double q, bool x_edge, double edge, Cut& t0, Cut& t1) {
  if (p == 0)
    return q >= 0;
  const double t = q / p;
  Cut cut{t, x_edge, !x_edge, edge};
  if (p < 0) {
    if (t > t1.t)
      return false;
    if (t > t0.t)
      t0 = cut;
  } else {
    if (t < t0.t)
      return false;
    if (t < t1.t)
      t1 = cut;
  }
  return true;
}

Segment Scaled(const Segment& s, double f) {
  return {s.x1 * f, s.y1 * f, s.x2 * f, s.y2 * f};
}

// run * rise / step without overflow where the slope is finite, and without
// underflow where the run is tiny (a view zoomed in a thousand times).
double Along(double run, double rise, double step) {
  const double slope = rise / step;
  if (std::isfinite(slope))
    return run * slope;
  return (run / step) * rise;
}

// The point where the cut's edge meets the line, worked from the end nearer
// to that edge: from the far end, a tiny visible area near a huge line's
// other end would be lost to rounding.
void MoveEnd(const Segment& line, const Cut& cut, double& x, double& y) {
  const double dx = line.x2 - line.x1;
  const double dy = line.y2 - line.y1;
  if (cut.on_x_edge) {
    const bool first = std::abs(cut.edge - line.x1) <= std::abs(cut.edge - line.x2);
    const double xk = first ? line.x1 : line.x2;
    const double yk = first ? line.y1 : line.y2;
    x = cut.edge;
    y = yk + Along(cut.edge - xk, dy, dx);
  } else {
    const bool first = std::abs(cut.edge - line.y1) <= std::abs(cut.edge - line.y2);
    const double xk = first ? line.x1 : line.x2;
    const double yk = first ? line.y1 : line.y2;
    x = xk + Along(cut.edge - yk, dx, dy);
    y = cut.edge;
  }
}

}  // namespace

std::optional<Segment> ClipLine(const Segment& line, const ClipRect& rect) {
  if (!std::isfinite(line.x1) || !std::isfinite(line.y1) || !std::isfinite(line.x2) ||
      !std::isfinite(line.y2))
    return std::nullopt;
  const double dx = line.x2 - line.x1;
  const double dy = line.y2 - line.y1;
  if (!std::isfinite(dx) || !std::isfinite(dy)) {
    // Ends near the top of the double range: halving everything is exact, and
    // the clipped part is scaled back.
    const ClipRect half{rect.x_min / 2, rect.y_min / 2, rect.x_max / 2, rect.y_max / 2};
    std::optional<Segment> clipped = ClipLine(Scaled(line, 0.5), half);
    if (clipped)
      clipped = Scaled(*clipped, 2);
    return clipped;
  }
  Cut t0{0};
  Cut t1{1};
  if (!ClipEdge(-dx, line.x1 - rect.x_min, true, rect.x_min, t0, t1) ||
      !ClipEdge(dx, rect.x_max - line.x1, true, rect.x_max, t0, t1) ||
      !ClipEdge(-dy, line.y1 - rect.y_min, false, rect.y_min, t0, t1) ||
      !ClipEdge(dy, rect.y_max - line.y1, false, rect.y_max, t0, t1))
    return std::nullopt;
  Segment clipped = line;
  if (t1.t < 1)
    MoveEnd(line, t1, clipped.x2, clipped.y2);
  if (t0.t > 0)
    MoveEnd(line, t0, clipped.x1, clipped.y1);
  return clipped;
}

}  // namespace tw
