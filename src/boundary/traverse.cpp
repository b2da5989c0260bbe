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

// The corner after entry i, given the corner before it.
Result<Corner> NextCorner(EntryKind kind, const std::string& entry, Corner previous) {
  if (kind == EntryKind::Angle) {
    const Result<BearingFields> f = ReadBearingEntry(entry);
    if (!f)
      return Error{f.error()};
    const Offsets o = LatDep(f->quadrant, f->degrees, f->minutes, f->seconds, f->length);
    return Corner{previous.x + o.dx, previous.y + o.dy};
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

Result<double> ComputeArea(EntryList& entries, const ProgramState& state) {
  if (entries.Empty())
    return 0.0;
  const EntryKind kind = KindOf(entries.At(0));
  const Corner start =
      kind == EntryKind::Angle ? Corner{} : Corner{state.FirstPointX, state.FirstPointY};
  Corner c = start;
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
  entries.SelectLast();
  return std::fabs(sum * 0.5);
}

}  // namespace tw
