#include "landxml/parcel_boundary.h"

#include <algorithm>
#include <cmath>

#include "base/entry_mode.h"
#include "base/numbers.h"
#include "boundary/entry.h"
#include "closure/closure_figures.h"
#include "closure/closure_forms.h"
#include "files/text_encoding.h"
#include "geometry/corner_walk.h"

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
  b.header = {first.east, first.north, std::string(unit), std::string(ModeText(ModeOption::Point))};
  for (const ParcelSegment& s : parcel.segments) {
    std::string entry;
    AppendPointEntry(entry, s.start.east, s.start.north);
    b.entries.push_back(entry);
  }
  return b;
}

}  // namespace

Result<ParcelBoundary> BoundaryOfParcel(const Parcel& parcel, const ParcelUnits& units) {
  if (parcel.refusal)
    return Error{*parcel.refusal};
  if (parcel.segments.empty())
    return Error{Named(parcel) + " has no segment."};
  if (!parcel.closed)
    return Error{Named(parcel) + " does not close: its last segment ends away from where its " +
                 "first starts, so it has no area."};
  const std::string_view unit = UnitRecordOf(units.system).abbrev;
  if (!HasCurves(parcel))
    return PointBoundary(parcel, unit);
  return Error{Named(parcel) + " holds curves, which cannot be imported yet."};
}

}  // namespace tw
