// Cutting a line to a rectangle before it is drawn.
#pragma once

#include <optional>

namespace tw {

struct Segment {
  double x1, y1, x2, y2;
};

// x_min <= x_max, y_min <= y_max.
struct ClipRect {
  double x_min, y_min, x_max, y_max;
};

// The part of the segment inside the rectangle (Liang-Barsky), or nullopt
// when none of it is or a coordinate is not finite. Any magnitude works, up to
// ends whose difference overflows a double, so a line far off the surface is
// dropped, and one crossing it is cut, without ever being rasterised whole.
std::optional<Segment> ClipLine(const Segment& line, const ClipRect& rect);

}  // namespace tw
