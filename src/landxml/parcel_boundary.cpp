#include "landxml/parcel_boundary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "base/entry_mode.h"
#include "base/numbers.h"
#include "boundary/entry.h"
#include "closure/closure_figures.h"
#include "files/text_encoding.h"
#include "geometry/bearing_forms.h"
#include "geometry/corner_walk.h"
#include "geometry/curve.h"

namespace tw {
namespace {

std::string Named(const Parcel& parcel) {
  return "The parcel \"" + Utf8ToCp1252(parcel.name) + "\"";
}

bool HasCurves(const Parcel& parcel) {
  return std::any_of(parcel.segments.begin(), parcel.segments.end(),
                     [](const ParcelSegment& s) { return s.kind == SegmentKind::Curve; });
}

ParcelBoundary PointBoundary(const Parcel& parcel, std::string_view unit) {
  ParcelBoundary b;
  const PlanePoint first = parcel.segments.front().start;
  b.header = {first.east, first.north, std::string(unit), std::string(ModeText(ModeOption::Point)),
              std::nullopt};
  for (const ParcelSegment& s : parcel.segments) {
    std::string entry;
    AppendPointEntry(entry, s.start.east, s.start.north);
    b.entries.push_back(entry);
  }
  return b;
}

// The direction from one point to another as the walks read a heading: the
// program's bearing rule inverted with its own angle constant, so that the
// call's offsets run where the coordinates do.
double HeadingOf(PlanePoint from, PlanePoint to) {
  return std::atan2(to.north - from.north, to.east - from.east);
}

// A line's call, or none for a line of no length at four decimals.
std::optional<std::string> LineCall(const ParcelSegment& s, std::string_view unit) {
  const std::string distance = FixedForm(LengthOf(s));
  if (distance == "0.0000")
    return std::nullopt;
  return NearestBearingText(HeadingOf(s.start, s.end)) + " @" + distance + std::string(unit);
}

// A curve's call by its chord and chord bearing, which fix its end where the
// coordinates put it; its radius is the coordinates' too.
// None when the radius or the chord is 0 at four decimals, which no curve
// entry can hold.
std::optional<std::string> CurveCallOf(const ParcelSegment& s, std::string_view unit) {
  const std::string radius = FixedForm(RadiusOf(s));
  std::string chord = FixedForm(LengthOf({SegmentKind::Line, s.start, s.end, {}, false, 0}));
  if (radius == "0.0000" || chord == "0.0000")
    return std::nullopt;
  // Rounding may leave a half circle's chord a hair over its diameter.
  const double diameter = 2 * ConvertStrict(radius).value_or(0);
  if (ConvertStrict(chord).value_or(0) > diameter)
    chord = FixedForm(diameter);
  const std::string bearing = NearestBearingText(HeadingOf(s.start, s.end));
  return ComposeCurveEntry({.side = s.clockwise ? CurveSide::Right : CurveSide::Left,
                            .radius = radius,
                            .size = CurveSize::Chord,
                            .size_text = chord,
                            .major = DeltaOf(s) > std::numbers::pi,
                            .aim = CurveAim::ChordBearing,
                            .bearing = bearing,
                            .unit = unit});
}

// How far the calls as rounded miss the start, in the closure's words.
std::string RoundedClosure(const EntryTexts& entries, PlanePoint start) {
  double perimeter = 0;
  PlanePoint end = start;
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, EntryKind::Angle, start, [&](const CornerStep& s) {
        perimeter += PathLength(s);
        end = s.corner;
      });
  const double misclosure = stop ? 0 : std::hypot(end.east - start.east, end.north - start.north);
  return "Closure of the calls as rounded: " + FixedForm(misclosure) + " (" +
         PrecisionText(PrecisionOf(perimeter, misclosure), DigitGroups::Thousands) + ")";
}

Result<ParcelBoundary> CallBoundary(const Parcel& parcel, std::string_view unit) {
  ParcelBoundary b;
  const PlanePoint first = parcel.segments.front().start;
  b.header = {first.east, first.north, std::string(unit),
              std::string(ModeText(ModeOption::Surveyor)), std::nullopt};
  for (const ParcelSegment& s : parcel.segments) {
    if (s.kind == SegmentKind::Curve) {
      const std::optional<std::string> curve = CurveCallOf(s, unit);
      if (!curve)
        return Error{Named(parcel) + " cannot be imported: the curve at line " +
                     std::to_string(s.line) + " is too small for a call to four decimals."};
      b.entries.push_back(*curve);
    } else if (const std::optional<std::string> line = LineCall(s, unit)) {
      b.entries.push_back(*line);
    }
  }
  b.rounded_closure = RoundedClosure(b.entries, first);
  return b;
}

}  // namespace

Result<ParcelBoundary> BoundaryOfParcel(const Parcel& parcel, const ParcelUnits& units,
                                        std::optional<int> epsg) {
  if (parcel.refusal)
    return Error{*parcel.refusal};
  if (parcel.segments.empty())
    return Error{Named(parcel) + " has no segment."};
  if (!parcel.closed)
    return Error{Named(parcel) + " does not close: its last segment ends away from where its " +
                 "first starts, so it has no area."};
  const std::string_view unit = UnitRecordOf(units.system).abbrev;
  Result<ParcelBoundary> boundary =
      HasCurves(parcel) ? CallBoundary(parcel, unit) : PointBoundary(parcel, unit);
  if (!boundary || !epsg)
    return boundary;
  // The file's coordinates are the grid's own: the start corner is where
  // they put it, unturned and unscaled.
  ParcelBoundary b = std::move(boundary).take();
  b.header.location = Location{*epsg, b.header.FirstPointY, b.header.FirstPointX, 0, 1};
  return b;
}

}  // namespace tw
