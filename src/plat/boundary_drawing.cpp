#include "plat/boundary_drawing.h"

#include <cmath>

#include "geometry/bearing_forms.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

constexpr char kEnDash = '\x96';  // Windows-1252

std::string NumberText(size_t n) {
  return std::to_string(n);
}

Status AddBearingLines(const EntryTexts& entries, BoundaryDrawing& d, CornerSums& sums) {
  double perimeter = 0;
  d.corners.push_back(PlanePoint{});
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, EntryKind::Angle, PlanePoint{}, [&](const CornerStep& s) {
        d.lines.push_back({d.corners.back(), s.corner, std::string(entries[s.index]), false});
        d.corners.push_back(s.corner);
        perimeter += std::fabs(s.distance);
        sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  // Summed as the closure analysis sums the lines, so that the drawing and
  // the printed figures agree to the last bit.
  const PlanePoint at = d.corners.back();
  const ClosureFigures figures = FiguresOf({perimeter, at.north, at.east});
  if (HasClosingSide(figures))
    d.lines.push_back({at, PlanePoint{}, FixedForm(figures.misclosure), true});
  return Ok();
}

// The corners relative to the first point, as the plot draws them.
Status AddPointLines(const EntryTexts& entries, BoundaryDrawing& d, CornerSums& sums) {
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, EntryKind::Point, PlanePoint{}, [&](const CornerStep& s) {
        if (s.index == 0)
          d.origin = s.corner;
        d.corners.push_back({s.corner.east - d.origin.east, s.corner.north - d.origin.north});
        sums.Add(d.corners.back());
      });
  if (stop)
    return Error{stop->message};
  const size_t n = d.corners.size();
  auto add = [&d](size_t i, size_t j) {
    const PlanePoint a = d.corners[i];
    const PlanePoint b = d.corners[j];
    const double length = std::hypot(b.east - a.east, b.north - a.north);
    d.lines.push_back(
        {a, b, NumberText(i + 1) + kEnDash + NumberText(j + 1) + ' ' + FixedForm(length), j == 0});
  };
  for (size_t i = 0; i + 1 < n; ++i)
    add(i, i + 1);
  // The plot closes a point list of three or more corners.
  if (n > 2)
    add(n - 1, 0);
  return Ok();
}

}  // namespace

bool HasClosingSide(const ClosureFigures& figures) {
  return !figures.precision.exact && figures.misclosure >= kSmallestClosingSide;
}

Result<BoundaryDrawing> DrawingOf(const EntryList& entries) {
  BoundaryDrawing d;
  if (entries.Empty())
    return d;
  d.kind = KindOf(entries.At(0));
  // Both kinds start at (0, 0): a point list's first corner is its origin.
  CornerSums sums(PlanePoint{});
  const Status read = d.kind == EntryKind::Angle ? AddBearingLines(entries.Entries(), d, sums)
                                                 : AddPointLines(entries.Entries(), d, sums);
  if (!read)
    return Error{read.error()};
  d.counter_clockwise = sums.SignedArea() >= 0;
  return d;
}

Offsets OuterNormal(const BoundaryDrawing& drawing, const BoundaryLine& line) {
  const double dx = line.to.east - line.from.east;
  const double dy = line.to.north - line.from.north;
  const double length = std::hypot(dx, dy);
  if (length == 0)
    return {};
  const double sign = drawing.counter_clockwise ? 1 : -1;
  return {sign * dy / length, -sign * dx / length};
}

}  // namespace tw
