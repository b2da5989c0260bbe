// Which corners of a drawing get a number, and which way a number stands off
// its corner: one rule for the screen and the plat. The directions take any
// point type with `east` and `north` members.
#pragma once

#include <cmath>
#include <cstddef>
#include <vector>

#include "plat/boundary_drawing.h"

namespace tw {

// Every corner, except that a boundary ending on or near its first corner
// numbers that corner once: a bearing list ending on its start (no closing
// side drawn), or any boundary whose last corner is nearer the first than
// `label_size`, in drawing units, where its number would cover the first's.
size_t NumberedCorners(const BoundaryDrawing& drawing, double label_size);

// The mean of the corners, each term divided by the count before it is
// added; (0, 0) for none.
template <class Point>
Point CornerMean(const std::vector<Point>& corners) {
  Point mean{};
  for (const Point& c : corners) {
    mean.east += c.east / corners.size();
    mean.north += c.north / corners.size();
  }
  return mean;
}

// The unit direction a corner's number stands off in: away from the corners'
// mean, or north for a corner on the mean.
template <class Point>
Point OutwardOf(const Point& corner, const Point& mean) {
  const double east = corner.east - mean.east;
  const double north = corner.north - mean.north;
  const double length = std::hypot(east, north);
  Point out{};
  out.east = length > 0 ? east / length : 0;
  out.north = length > 0 ? north / length : 1;
  return out;
}

}  // namespace tw
