#include "geometry/traverse.h"

#include <cmath>

namespace tw {

double ComputeClosure(double x, double y) {
  return std::sqrt(x * x + y * y);
}

BoundaryFigures CornerSums::Close() const {
  const double sum = sum_ + (last_.x * start_.y - last_.y * start_.x);
  return BoundaryFigures{std::fabs(sum * 0.5),
                         ComputeClosure(last_.x - start_.x, last_.y - start_.y)};
}

Result<BoundaryFigures> ComputeFigures(const EntryList& entries, const ProgramState& state) {
  if (entries.Empty())
    return BoundaryFigures{};
  const EntryKind kind = KindOf(entries.At(0));
  // A bearing traverse starts at (0, 0); a point list at its first point.
  const Corner start =
      kind == EntryKind::Angle ? Corner{} : Corner{state.FirstPointX, state.FirstPointY};
  CornerSums sums(start);
  const std::optional<UnreadableEntry> stop = WalkEntries(
      entries.Entries(), kind, start, [&sums](const CornerStep& s) { sums.Add(s.corner); });
  if (stop)
    return Error{stop->message};
  return sums.Close();
}

Result<double> ComputeArea(const EntryList& entries, const ProgramState& state) {
  const Result<BoundaryFigures> figures = ComputeFigures(entries, state);
  if (!figures)
    return Error{figures.error()};
  return figures->area;
}

}  // namespace tw
