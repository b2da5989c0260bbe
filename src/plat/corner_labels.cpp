#include "plat/corner_labels.h"

#include <cmath>

namespace tw {

size_t NumberedCorners(const BoundaryDrawing& d, double label_size) {
  const size_t n = d.corners.size();
  if (n < 2)
    return n;
  const bool misses_start = !d.lines.empty() && d.lines.back().closing;
  if (d.kind == EntryKind::Angle && !misses_start)
    return n - 1;  // the last corner is the start again
  const PlanePoint first = d.corners.front();
  const PlanePoint last = d.corners.back();
  if (std::hypot(last.east - first.east, last.north - first.north) < label_size)
    return n - 1;
  return n;
}

}  // namespace tw
