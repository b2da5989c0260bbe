#include "map/map_boundary.h"

#include <algorithm>
#include <cmath>

#include "base/entry_mode.h"
#include "base/numbers.h"
#include "closure/closure_figures.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

double SideLength(PlanePoint a, PlanePoint b) {
  return std::hypot(b.east - a.east, b.north - a.north);
}

// Twice the signed area: positive when the ring runs counter-clockwise.
double TwiceSignedArea(const std::vector<PlanePoint>& ring) {
  double sum = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    const PlanePoint a = ring[i];
    const PlanePoint b = ring[(i + 1) % ring.size()];
    sum += a.east * b.north - a.north * b.east;
  }
  return sum;
}

// The ground corners from the start on, and the area and closure the
// program's own sum gives them.
struct GroundWalk {
  std::vector<PlanePoint> corners;
  BoundaryFigures figures;
  double walked = 0;  // the sides the entries walk, as the closure's perimeter
};

Result<GroundWalk> WalkGround(const EntryTexts& entries, const ProgramState& state) {
  const EntryKind kind = IsPointMode(state.EntryMode) ? EntryKind::Point : EntryKind::Angle;
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  GroundWalk walk;
  walk.corners.reserve(entries.size() + 1);
  walk.corners.push_back(start);
  CornerSums sums(start);
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, kind, start, [&](const CornerStep& s) {
        walk.walked += SideLength(walk.corners.back(), s.corner);
        walk.corners.push_back(s.corner);
        sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  walk.figures = sums.Close();
  // A point list closes by definition: its last corner is joined to the first.
  if (kind == EntryKind::Point)
    walk.figures.closure = 0;
  return walk;
}

// Without a corner equal to the one before it, nor a last corner that is the
// first again (within the closure's printed precision).
void DropRepeats(std::vector<PlanePoint>& corners) {
  const auto same = [](PlanePoint a, PlanePoint b) {
    return a.east == b.east && a.north == b.north;
  };
  corners.erase(std::unique(corners.begin(), corners.end(), same), corners.end());
  if (corners.size() > 1 && SideLength(corners.back(), corners.front()) < kOpenMisclosure)
    corners.pop_back();
}

double RingPerimeter(const std::vector<PlanePoint>& ring) {
  double sum = 0;
  for (size_t i = 0; i < ring.size(); ++i)
    sum += SideLength(ring[i], ring[(i + 1) % ring.size()]);
  return sum;
}

void AppendFigureLine(std::string& out, std::string_view label, double value, int decimals,
                      std::string_view unit) {
  out += label;
  out += ": ";
  out += ApplyPattern(value, 1, decimals, decimals);
  out += ' ';
  out += unit;
  out += '\n';
}

}  // namespace

std::optional<bool> IsFootList(std::string_view unit) {
  if (unit == "LF")
    return true;
  if (unit == "m.")
    return false;
  return std::nullopt;
}

Result<MapBoundary> MapBoundaryOf(const EntryTexts& entries, const ProgramState& state,
                                  const Location& location, std::string name) {
  const std::optional<AreaWords> words = AreaWordsOf(state.UnitAbbrev);
  if (!IsFootList(state.UnitAbbrev) || !words)
    return Error{"A map needs a list in feet (LF) or metres (m.)."};
  Result<GroundWalk> walk = WalkGround(entries, state);
  if (!walk)
    return Error{walk.error()};
  GroundWalk ground = std::move(walk).take();
  std::vector<PlanePoint> ring = std::move(ground.corners);
  DropRepeats(ring);
  if (ring.size() < 3)
    return Error{"A map needs a boundary of at least three corners."};
  MapBoundary map;
  MapFigures& f = map.figures;
  f.name = std::move(name);
  f.area = ground.figures.area;
  f.area_unit = words->square;
  f.large_unit = words->large;
  f.large_area = words->convert(ground.figures.area);
  f.perimeter = RingPerimeter(ring);
  f.misclosure = ground.figures.closure;
  f.precision = PrecisionText(PrecisionOf(ground.walked, f.misclosure), DigitGroups::Thousands);
  if (f.misclosure >= kOpenMisclosure)
    f.note = kClosedByClosingLine;
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  for (PlanePoint& corner : ring)
    corner = GridOf(location, start, corner);
  if (TwiceSignedArea(ring) < 0)
    std::reverse(ring.begin() + 1, ring.end());
  map.ring = std::move(ring);
  return map;
}

std::string MapDescription(const MapFigures& f) {
  std::string out;
  AppendFigureLine(out, "Area", f.area, 2, f.area_unit);
  AppendFigureLine(out, "Area", f.large_area, 4, f.large_unit);
  AppendFigureLine(out, "Perimeter", f.perimeter, 2, f.area_unit.substr(3));
  AppendFigureLine(out, "Closure", f.misclosure, 4, f.area_unit.substr(3));
  out += "Precision: " + f.precision;
  if (!f.note.empty())
    out += "\n" + std::string(f.note);
  return out;
}

}  // namespace tw
