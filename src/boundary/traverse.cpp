#include "boundary/traverse.h"

#include <cmath>

#include "boundary/bearing.h"
#include "boundary/entry.h"

namespace tw {
namespace {

struct Corner {
  double x = 0;
  double y = 0;
};

// The corner after an entry, given the corner before it.
Result<Corner> NextCorner(EntryKind kind, const std::string& entry, Corner previous) {
  if (kind == EntryKind::Angle) {
    const Result<Offsets> o = ComputeEntryLatDep(entry);
    if (!o)
      return Error{o.error()};
    return Corner{previous.x + o->dx, previous.y + o->dy};
  }
  const Result<PointFields> p = ReadPointEntry(entry);
  if (!p)
    return Error{p.error()};
  return Corner{p->x, p->y};
}

}  // namespace

double ComputeClosure(double x, double y) {
  return std::sqrt(x * x + y * y);
}

Result<BoundaryFigures> ComputeFigures(const EntryList& entries, const ProgramState& state) {
  if (entries.Empty())
    return BoundaryFigures{};
  const EntryKind kind = KindOf(entries.At(0));
  // A bearing traverse starts at (0, 0); a point list at its first point.
  const Corner start =
      kind == EntryKind::Angle ? Corner{} : Corner{state.FirstPointX, state.FirstPointY};
  Corner c = start;
  // The shoelace terms are added as they come, which is the order of the
  // terms 0 to n - 1; the closing term comes last.
  double sum = 0;
  for (size_t i = 0; i < entries.Count(); ++i) {
    const Corner p = c;
    const Result<Corner> next = NextCorner(kind, entries.At(i), p);
    if (!next)
      return Error{UnreadableEntryMessage(i, entries.At(i), next.error())};
    c = *next;
    sum += p.x * c.y - p.y * c.x;
  }
  sum += c.x * start.y - c.y * start.x;
  return BoundaryFigures{std::fabs(sum * 0.5), ComputeClosure(c.x - start.x, c.y - start.y)};
}

Result<double> ComputeArea(EntryList& entries, const ProgramState& state) {
  const Result<BoundaryFigures> figures = ComputeFigures(entries, state);
  if (!figures)
    return Error{figures.error()};
  entries.SelectLast();
  return figures->area;
}

}  // namespace tw
