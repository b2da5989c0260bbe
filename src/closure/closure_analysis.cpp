#include "closure/closure_analysis.h"

#include <algorithm>

#include "formats/corners.h"
#include "geometry/bearing.h"
#include "geometry/bearing_forms.h"
#include "geometry/traverse.h"
#include "settings/unit_system.h"

namespace tw {
namespace {

// The sides from corner to corner and the closing side back to the first.
Result<double> PointListPerimeter(const EntryTexts& entries) {
  const Result<std::vector<PlanePoint>> corners =
      WalkCorners(entries, ModeText(ModeOption::Point), PlanePoint{});
  if (!corners)
    return Error{corners.error()};
  double perimeter = 0;
  PlanePoint previous = corners->empty() ? PlanePoint{} : corners->back();
  for (const PlanePoint& c : *corners) {
    perimeter += ComputeClosure(c.east - previous.east, c.north - previous.north);
    previous = c;
  }
  return perimeter;
}

// The offsets of a line of no length have lost its direction: only those
// entries are read again, for the bearing entered.
std::vector<std::pair<size_t, double>> NoLengthDirections(const EntryTexts& entries,
                                                          const std::vector<TraverseLine>& lines) {
  std::vector<std::pair<size_t, double>> directions;
  for (size_t i = 0; i < lines.size(); ++i) {
    BearingFieldsView f;
    if (lines[i].length == 0 && ReadBearingEntryTo(entries[i], f))
      directions.emplace_back(i, DirectionAngle(f.quadrant, f.degrees, f.minutes, f.seconds));
  }
  return directions;
}

// The adjusted corners start where the exports start the corners entered.
Status AnalyseBearings(const EntryTexts& entries, PlanePoint start, const ClosureOptions& options,
                       ClosureAnalysis& a) {
  CornerSums corners(PlanePoint{});
  Result<std::vector<TraverseLine>> lines = ReadTraverseLines(entries, corners);
  if (!lines)
    return Error{lines.error()};
  a.start = start;
  a.lines = std::move(lines).take();
  a.no_length_directions = NoLengthDirections(entries, a.lines);
  const TraverseSums sums = SumLines(a.lines);
  a.figures = FiguresOf(sums);
  a.perimeter = a.figures.perimeter;
  a.area = corners.Close().area;
  a.standard_met = MeetsStandard(a.figures.precision, options.standard);
  a.method = options.method;
  if (options.method)
    a.adjustment = Adjust(a.lines, sums, *options.method, start);
  if (!a.standard_met && options.find_blunders) {
    a.blunders_searched = true;
    BlunderSearch search = FindBlunders(entries, a.lines, sums, options.standard);
    a.blunders = std::move(search.findings);
    a.course_may_be_missing = search.course_may_be_missing;
  }
  return Ok();
}

Result<ClosureAnalysis> Analyse(const EntryList& entries, const ProgramState& state,
                                const ClosureOptions& options) {
  ClosureAnalysis a;
  a.count = entries.Count();
  a.standard = options.standard;
  if (entries.Empty())
    return a;
  a.kind = KindOf(entries.At(0));
  if (a.kind == EntryKind::Point) {
    const Result<BoundaryFigures> figures = ComputeFigures(entries, state);
    if (!figures)
      return Error{figures.error()};
    const Result<double> perimeter = PointListPerimeter(entries.Entries());
    if (!perimeter)
      return Error{perimeter.error()};
    a.area = figures->area;
    a.perimeter = *perimeter;
    return a;
  }
  const Status bearings = AnalyseBearings(
      entries.Entries(), PlanePoint{state.FirstPointX, state.FirstPointY}, options, a);
  if (!bearings)
    return Error{bearings.error()};
  return a;
}

}  // namespace

QuadrantAngle LineQuadrant(const ClosureAnalysis& a, size_t i, double east, double north) {
  if (east != 0 || north != 0)
    return QuadrantOf(east, north);
  const TraverseLine& l = a.lines[i];
  if (l.offsets.east != 0 || l.offsets.north != 0)
    return QuadrantOf(l.offsets.east, l.offsets.north);
  const auto& entered = a.no_length_directions;
  const auto at = std::lower_bound(entered.begin(), entered.end(), std::pair<size_t, double>(i, 0),
                                   [](const auto& x, const auto& y) { return x.first < y.first; });
  if (at == entered.end() || at->first != i)
    return QuadrantOf(0, 0);
  return QuadrantOfDirection(at->second);
}

std::string LineBearingForm(const ClosureAnalysis& a, size_t i, double east, double north) {
  return QuadrantForm(LineQuadrant(a, i, east, north));
}

Result<ClosureAnalysis> AnalyseClosure(const EntryList& entries, const ProgramState& state,
                                       const ClosureOptions& options) {
  return Analyse(entries, state, options);
}

}  // namespace tw
