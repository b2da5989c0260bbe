#include "boundary/traverse.h"

#include <cmath>

#include "boundary/corner_walk.h"

namespace tw {

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
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries.Entries(), kind, start, [&](const CornerStep& s) {
        sum += c.x * s.corner.y - c.y * s.corner.x;
        c = s.corner;
      });
  if (stop)
    return Error{stop->message};
  sum += c.x * start.y - c.y * start.x;
  return BoundaryFigures{std::fabs(sum * 0.5), ComputeClosure(c.x - start.x, c.y - start.y)};
}

Result<double> ComputeArea(const EntryList& entries, const ProgramState& state) {
  const Result<BoundaryFigures> figures = ComputeFigures(entries, state);
  if (!figures)
    return Error{figures.error()};
  return figures->area;
}

}  // namespace tw
