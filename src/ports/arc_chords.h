// Arcs drawn as chords, for ports whose own calls draw straight lines only.
#pragma once

#include <algorithm>
#include <cmath>

namespace tw {

// A bound on one arc's chords: enough to keep a full turn within a quarter
// pixel up to a radius of 200 million pixels, far past any screen or page.
inline constexpr double kMostArcChords = 65536;

// The fewest equal chords that keep an arc of `radius` turning `sweep`
// radians within `tolerance` of it (radius and tolerance in one unit), at
// most kMostArcChords; none for an arc that cannot be drawn (no sweep, a
// negative radius, a number that is not finite). The chord of a step of t
// radians stands r (1 - cos t/2) = 2 r sin^2(t/4) off its arc.
inline int ArcChordCount(double radius, double sweep, double tolerance) {
  if (!std::isfinite(radius) || !std::isfinite(sweep) || radius < 0 || sweep == 0)
    return 0;
  const double reach = radius > 0 ? std::sqrt(std::min(1.0, tolerance / (2 * radius))) : 1;
  const double step = 4 * std::asin(reach);
  return static_cast<int>(std::clamp(std::ceil(std::fabs(sweep) / step), 1.0, kMostArcChords));
}

// Calls visit(x, y) at the chords' ends, from the start of the arc to its
// end: angles from +x towards +y, `chords` + 1 points.
template <class Visit>
void WalkArc(double cx, double cy, double radius, double start, double sweep, int chords,
             Visit visit) {
  for (int i = 0; i <= chords; ++i) {
    const double angle = i == chords ? start + sweep : start + sweep * i / chords;
    visit(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
  }
}

}  // namespace tw
