#include "closure/adjusted_files.h"

#include <cmath>

#include "base/numbers.h"
#include "boundary/entry.h"
#include "formats/point_file.h"
#include "formats/project_file.h"
#include "formats/text_lines.h"
#include "geometry/bearing_forms.h"
#include "geometry/curve.h"
#include "settings/unit_system.h"

namespace tw {

namespace {

// Corner k of the files: the start, then the ends of the lines but the last,
// whose end is the start again.
PlanePoint FileCorner(const Adjustment& adjustment, size_t k) {
  // Adjust gives no start or corner that rounds past the limit of a point
  // entry.
  const PlanePoint& c = k == 0 ? adjustment.start : adjustment.corners[k - 1];
  return {RoundToFourDecimals(c.east).value(), RoundToFourDecimals(c.north).value()};
}

// "20.00" of "Curve right R 20.00LF ...": the radius as entered.
std::string_view RadiusText(std::string_view entry, std::string_view unit) {
  const size_t from = entry.find(" R ") + 3;
  std::string_view radius = entry.substr(from, entry.find(' ', from) - from);
  if (radius.ends_with(unit))
    radius.remove_suffix(unit.size());
  return radius;
}

std::string CurveEntryOf(const TraverseCurve& curve, std::string_view unit) {
  const CurveElements& e = curve.elements;
  // A chord rounded up past the diameter would not read back: it is cut.
  const bool past = RoundToFourDecimals(e.chord).value_or(0) > 2 * e.radius;
  const std::string chord = FixedForm(past ? std::floor(e.chord * 1e4) / 1e4 : e.chord);
  const std::string bearing = NearestBearingText(e.chord_heading);
  CurveTexts t;
  t.side = e.side;
  t.radius = RadiusText(curve.entry, unit);
  t.size = CurveSize::Chord;
  t.size_text = chord;
  t.major = e.delta > kAngleConstant;
  t.aim = CurveAim::ChordBearing;
  t.bearing = bearing;
  t.unit = unit;
  return ComposeCurveEntry(t);
}

// A line by its bearing to the whole second and its length, a curve by its
// chord and chord bearing.
std::string AdjustedEntry(const Adjustment& adjustment, size_t index, std::string_view unit) {
  if (const TraverseCurve* curve = CurveAt(adjustment.curves, index))
    return CurveEntryOf(*curve, unit);
  const TraverseLine& l = adjustment.lines[index];
  return NearestBearingText(HeadingOf(l.offsets)) + " @" + FixedForm(l.length) + std::string(unit);
}

// The header of an adjusted project: the list starts at its first corner,
// as a saved one does.
ProgramState AdjustedState(const Adjustment& adjustment, std::string_view unit, ModeOption mode) {
  ProgramState state;
  state.UnitAbbrev = unit;
  state.EntryMode = ModeText(mode);
  const PlanePoint start = FileCorner(adjustment, 0);
  state.FirstPointX = start.east;
  state.FirstPointY = start.north;
  return state;
}

std::string SurveyorProjectBytes(const Adjustment& adjustment, std::string_view unit) {
  const ProgramState state = AdjustedState(adjustment, unit, ModeOption::Surveyor);
  std::vector<std::string> entries;
  entries.reserve(adjustment.lines.size());
  for (size_t i = 0; i < adjustment.lines.size(); ++i)
    entries.push_back(AdjustedEntry(adjustment, i, unit));
  return ProjectFileBytes(state, EntryTexts(entries));
}

}  // namespace

// Written straight from the corners: a million corners would otherwise be
// held twice more, as corners and as entry texts, while the file is written.
std::string AdjustedProjectBytes(const Adjustment& adjustment, std::string_view unit) {
  if (!adjustment.curves.empty())
    return SurveyorProjectBytes(adjustment, unit);
  const ProgramState state = AdjustedState(adjustment, unit, ModeOption::Point);
  std::string out = ProjectFileBytes(state, EntryTexts{});
  const size_t n = adjustment.corners.size();
  // Never outgrown, so never copied; what the numbers leave unused is never
  // touched and takes no memory.
  out.reserve(out.size() + n * (2 * kLongestForm + kPointSeparator.size() + 2));
  for (size_t k = 0; k < n; ++k) {
    const PlanePoint c = FileCorner(adjustment, k);
    AppendPointEntry(out, c.east, c.north);
    out += "\r\n";
  }
  return out;
}

std::string AdjustedPointBytes(const Adjustment& adjustment) {
  const size_t n = adjustment.corners.size();
  std::string out;
  out.reserve(CornerLinesBound(n));
  for (size_t k = 0; k < n; ++k) {
    const PlanePoint c = FileCorner(adjustment, k);
    AppendCornerLine(out, k + 1, c.north, c.east);
  }
  return out;
}

}  // namespace tw
