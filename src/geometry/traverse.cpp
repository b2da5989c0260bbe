#include "geometry/traverse.h"

#include <cmath>

namespace tw {

double ComputeClosure(double x, double y) {
  return std::sqrt(x * x + y * y);
}

double CornerSums::SignedArea() const {
  const double sum = sum_ + (last_.east * start_.north - last_.north * start_.east);
  return sum * 0.5 + own_area_;
}

BoundaryFigures CornerSums::Close() const {
  return BoundaryFigures{std::fabs(SignedArea()),
                         ComputeClosure(last_.east - start_.east, last_.north - start_.north)};
}

Result<BoundaryFigures> ComputeFigures(const EntryList& entries, const ProgramState& state) {
  if (entries.Empty())
    return BoundaryFigures{};
  const EntryKind kind = KindOf(entries.At(0));
  // A bearing traverse starts at (0, 0); a point list at its first point.
  const PlanePoint start =
      kind == EntryKind::Angle ? PlanePoint{} : PlanePoint{state.FirstPointX, state.FirstPointY};
  CornerSums sums(start);
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries.Entries(), kind, start, [&sums](const CornerStep& s) { sums.Add(s); });
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
