#include "plat/corner_labels.h"

namespace tw {

size_t NumberedCorners(const BoundaryDrawing& d) {
  const bool misses_start = !d.lines.empty() && d.lines.back().closing;
  if (d.kind == EntryKind::Angle && !misses_start && d.corners.size() > 1)
    return d.corners.size() - 1;  // the last corner is the start again
  return d.corners.size();
}

}  // namespace tw
