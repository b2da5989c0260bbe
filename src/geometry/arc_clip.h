// Cutting an arc to a rectangle before it is drawn as chords: only the parts
// that can show are divided, so an arc far larger than the view costs no
// more than the little of it that crosses the view.
#pragma once

#include <array>

#include "geometry/line_clip.h"

namespace tw {

// A part of an arc: angles from +x towards +y, a negative sweep the other way.
struct ArcPiece {
  double start = 0, sweep = 0;
};

// An arc leaves a rectangle at most four times.
struct ArcPieces {
  std::array<ArcPiece, 5> pieces;
  int count = 0;
};

// The parts of the arc of `radius` about (cx, cy), from `start` turning
// `sweep` radians, that lie inside the rectangle, in the order the arc runs;
// none when a number is not finite or the radius is not above 0.
ArcPieces ClipArc(double cx, double cy, double radius, double start, double sweep,
                  const ClipRect& rect);

}  // namespace tw
