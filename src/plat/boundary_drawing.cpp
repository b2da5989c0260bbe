#include "plat/boundary_drawing.h"

#include <cmath>

#include "closure/closure_forms.h"
#include "geometry/bearing.h"

namespace tw {
namespace {

constexpr char kEnDash = '\x96';  // Windows-1252

std::string NumberText(size_t n) {
  return std::to_string(n);
}

Status AddBearingLines(const EntryList& entries, BoundaryDrawing& d) {
  PlanePoint at;
  double perimeter = 0;
  d.corners.push_back(at);
  for (size_t i = 0; i < entries.Count(); ++i) {
    const Result<BearingFieldsView> f = ReadBearingEntryView(entries.At(i));
    if (!f)
      return Error{UnreadableEntryMessage(i, entries.At(i), f.error())};
    const Offsets o = LatDep(f->quadrant, f->degrees, f->minutes, f->seconds, f->length);
    const PlanePoint next{at.east + o.east, at.north + o.north};
    d.lines.push_back({at, next, std::string(entries.At(i)), false});
    d.corners.push_back(next);
    at = next;
    perimeter += std::fabs(f->length);
  }
  // Summed as the closure analysis sums the lines, so that the drawing and
  // the printed figures agree to the last bit.
  const ClosureFigures figures = FiguresOf({perimeter, at.north, at.east});
  if (HasClosingSide(figures))
    d.lines.push_back({at, PlanePoint{}, FixedForm(figures.misclosure), true});
  return Ok();
}

Status AddPointLines(const EntryList& entries, BoundaryDrawing& d) {
  for (size_t i = 0; i < entries.Count(); ++i) {
    const Result<PointFields> p = ReadPointEntry(entries.At(i));
    if (!p)
      return Error{UnreadableEntryMessage(i, entries.At(i), p.error())};
    if (i == 0)
      d.origin = {p->x, p->y};
    d.corners.push_back({p->x - d.origin.east, p->y - d.origin.north});
  }
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

double SignedArea(const std::vector<PlanePoint>& corners) {
  double twice = 0;
  for (size_t i = 0; i < corners.size(); ++i) {
    const PlanePoint& a = corners[i];
    const PlanePoint& b = corners[(i + 1) % corners.size()];
    twice += a.east * b.north - b.east * a.north;
  }
  return twice / 2;
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
  const Status read =
      d.kind == EntryKind::Angle ? AddBearingLines(entries, d) : AddPointLines(entries, d);
  if (!read)
    return Error{read.error()};
  d.counter_clockwise = SignedArea(d.corners) >= 0;
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
