#include "geometry/arc_clip.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tw {
namespace {

constexpr double kTurn = 2 * 3.14159265358979323846;

// Where along the arc, as a share of its sweep, the angle `a` lies; outside
// (0, 1) when the arc does not reach it before its end.
double ShareAt(double a, double start, double sweep) {
  const double ahead = sweep > 0 ? a - start : start - a;
  return std::fmod(std::fmod(ahead, kTurn) + kTurn, kTurn) / std::fabs(sweep);
}

bool Inside(const ClipRect& r, double x, double y) {
  return x >= r.x_min && x <= r.x_max && y >= r.y_min && y <= r.y_max;
}

}  // namespace

ArcPieces ClipArc(double cx, double cy, double radius, double start, double sweep,
                  const ClipRect& r) {
  ArcPieces out;
  if (!std::isfinite(cx) || !std::isfinite(cy) || !std::isfinite(radius) || !std::isfinite(start) ||
      !std::isfinite(sweep) || !(radius > 0) || sweep == 0)
    return out;
  // The circle's box misses the rectangle, or the rectangle lies within it.
  if (cx + radius < r.x_min || cx - radius > r.x_max || cy + radius < r.y_min ||
      cy - radius > r.y_max)
    return out;
  // The whole arc inside, as most of a boundary zoomed to fit is: its ends
  // and the points due east, north, west and south of its centre that it
  // passes bound it.
  const double end = start + sweep;
  const double cos_start = std::cos(start), sin_start = std::sin(start);
  const double cos_end = std::cos(end), sin_end = std::sin(end);
  double low_x = std::min(cos_start, cos_end), high_x = std::max(cos_start, cos_end);
  double low_y = std::min(sin_start, sin_end), high_y = std::max(sin_start, sin_end);
  // At most five quarter turns fall within one turn, counted from the first
  // so that no angle however large makes the count stand still.
  const double quarter = kTurn / 4;
  const double first = std::ceil(std::min(start, end) / quarter);
  for (int i = 0; i < 5 && (first + i) * quarter <= std::max(start, end); ++i) {
    const int at = static_cast<int>(std::fmod(std::fmod(first + i, 4) + 4, 4));
    low_x = at == 2 ? -1 : low_x;
    high_x = at == 0 ? 1 : high_x;
    low_y = at == 3 ? -1 : low_y;
    high_y = at == 1 ? 1 : high_y;
  }
  if (Inside(r, cx + radius * low_x, cy + radius * low_y) &&
      Inside(r, cx + radius * high_x, cy + radius * high_y)) {
    out.pieces[out.count++] = {start, sweep};
    return out;
  }
  const double far_x = std::max(std::fabs(r.x_min - cx), std::fabs(r.x_max - cx));
  const double far_y = std::max(std::fabs(r.y_min - cy), std::fabs(r.y_max - cy));
  if (std::hypot(far_x, far_y) < radius)
    return out;
  // The shares where the circle crosses the rectangle's four edge lines split
  // the arc into runs each wholly inside or outside; a run's middle tells.
  std::array<double, 10> cuts{};
  int n = 0;
  cuts[n++] = 0;
  const auto cross = [&](double offset, double base) {
    if (std::fabs(offset) > radius)
      return;
    const double a = std::acos(offset / radius);
    for (double angle : {base + a, base - a}) {
      const double share = ShareAt(angle, start, sweep);
      if (share > 0 && share < 1)
        cuts[n++] = share;
    }
  };
  cross(r.x_min - cx, 0);
  cross(r.x_max - cx, 0);
  cross(r.y_min - cy, kTurn / 4);
  cross(r.y_max - cy, kTurn / 4);
  cuts[n++] = 1;
  // Ten at most: an insertion sort, which also keeps GCC's bounds analysis
  // of a sort's heap fallback quiet.
  for (int i = 1; i < n; ++i)
    for (int j = i; j > 0 && cuts[j - 1] > cuts[j]; --j)
      std::swap(cuts[j - 1], cuts[j]);
  for (int i = 0; i + 1 < n; ++i) {
    if (cuts[i + 1] <= cuts[i])
      continue;
    const double middle = start + sweep * (cuts[i] + cuts[i + 1]) / 2;
    if (!Inside(r, cx + radius * std::cos(middle), cy + radius * std::sin(middle)))
      continue;
    const double from = start + sweep * cuts[i];
    const double turn = sweep * (cuts[i + 1] - cuts[i]);
    ArcPiece* last = out.count > 0 ? &out.pieces[out.count - 1] : nullptr;
    if (last && std::fabs(last->start + last->sweep - from) <= std::fabs(sweep) * 1e-12)
      last->sweep += turn;
    else if (out.count < static_cast<int>(out.pieces.size()))
      out.pieces[out.count++] = {from, turn};
  }
  return out;
}

}  // namespace tw
