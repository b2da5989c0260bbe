#include "closure/closure_analysis.h"

#include "boundary/traverse.h"
#include "formats/corners.h"
#include "settings/unit_system.h"

namespace tw {
namespace {

// The sides from corner to corner and the closing side back to the first.
Result<double> PointListPerimeter(const EntryTexts& entries) {
  const Result<std::vector<Corner>> corners =
      WalkCorners(entries, ModeText(ModeOption::Point), Corner{});
  if (!corners)
    return Error{corners.error()};
  double perimeter = 0;
  Corner previous = corners->empty() ? Corner{} : corners->back();
  for (const Corner& c : *corners) {
    perimeter += ComputeClosure(c.x - previous.x, c.y - previous.y);
    previous = c;
  }
  return perimeter;
}

Status AnalyseBearings(const EntryTexts& entries, const ClosureOptions& options,
                       BlunderCache* cache, ClosureAnalysis& a) {
  Result<std::vector<TraverseLine>> lines = ReadTraverseLines(entries);
  if (!lines)
    return Error{lines.error()};
  a.lines = std::move(lines).take();
  const TraverseSums sums = SumLines(a.lines);
  a.figures = FiguresOf(sums);
  a.perimeter = a.figures.perimeter;
  a.area = TraverseArea(a.lines);
  a.standard_met = MeetsStandard(a.figures.precision, options.standard);
  a.method = options.method;
  if (options.method)
    a.adjustment = Adjust(a.lines, sums, *options.method);
  if (!a.standard_met && options.find_blunders) {
    a.blunders_searched = true;
    a.blunders = cache ? FindBlunders(entries, a.lines, sums, options.standard, *cache)
                       : FindBlunders(entries, a.lines, sums, options.standard);
  }
  return Ok();
}

Result<ClosureAnalysis> Analyse(const EntryList& entries, const ProgramState& state,
                                const ClosureOptions& options, BlunderCache* cache) {
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
  const Status bearings = AnalyseBearings(entries.Entries(), options, cache, a);
  if (!bearings)
    return Error{bearings.error()};
  return a;
}

}  // namespace

Result<ClosureAnalysis> AnalyseClosure(const EntryList& entries, const ProgramState& state,
                                       const ClosureOptions& options) {
  return Analyse(entries, state, options, nullptr);
}

Result<ClosureAnalysis> AnalyseClosure(const EntryList& entries, const ProgramState& state,
                                       const ClosureOptions& options, BlunderCache& cache) {
  return Analyse(entries, state, options, &cache);
}

}  // namespace tw
