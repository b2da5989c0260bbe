#include "map/map_boundary.h"

#include <algorithm>
#include <cmath>
#include <numbers>

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

// The ground sides from the start on, and the area and closure the
// program's own sum gives them.
struct GroundWalk {
  std::vector<PlanePoint> corners;
  std::vector<std::optional<MapArc>> arcs;  // of the side from each corner on
  CornerSums sums{PlanePoint{}};
  double walked = 0;  // the sides the entries walk, as the closure's perimeter
};

MapArc GroundArc(const CornerStep& s) {
  const PlanePoint from = StartOf(s);
  return {{from.east + s.arc.to_centre.east, from.north + s.arc.to_centre.north},
          s.arc.radius,
          TurnSign(s.arc.side) * s.arc.delta};
}

Result<GroundWalk> WalkGround(const EntryTexts& entries, const ProgramState& state) {
  const EntryKind kind = IsPointMode(state.EntryMode) ? EntryKind::Point : EntryKind::Angle;
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  GroundWalk walk;
  walk.corners.reserve(entries.size() + 1);
  walk.arcs.reserve(entries.size() + 1);
  walk.corners.push_back(start);
  walk.sums = CornerSums(start);
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, kind, start, [&](const CornerStep& s) {
        walk.walked += PathLength(s);
        walk.arcs.push_back(s.is_curve ? std::optional<MapArc>(GroundArc(s)) : std::nullopt);
        walk.corners.push_back(s.corner);
        walk.sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  walk.arcs.emplace_back();  // the closing side
  return walk;
}

// Without a straight side of no length, nor a closing side shorter than the
// closure prints (its corner is then the first again).
void DropRepeats(std::vector<PlanePoint>& corners, std::vector<std::optional<MapArc>>& arcs) {
  size_t kept = 0;
  for (size_t i = 1; i < corners.size(); ++i) {
    const bool same = corners[i].east == corners[kept].east &&
                      corners[i].north == corners[kept].north && !arcs[kept];
    if (same) {
      arcs[kept] = arcs[i];
      continue;
    }
    ++kept;
    corners[kept] = corners[i];
    arcs[kept] = arcs[i];
  }
  corners.resize(kept + 1);
  arcs.resize(kept + 1);
  if (corners.size() > 1 && SideLength(corners.back(), corners.front()) < kOpenMisclosure) {
    corners.pop_back();
    arcs.pop_back();
  }
}

double RingPerimeter(const std::vector<PlanePoint>& ring,
                     const std::vector<std::optional<MapArc>>& arcs) {
  double sum = 0;
  for (size_t i = 0; i < ring.size(); ++i) {
    sum += arcs[i] ? arcs[i]->radius * std::fabs(arcs[i]->sweep)
                   : SideLength(ring[i], ring[(i + 1) % ring.size()]);
  }
  return sum;
}

// Walked the other way round: the sides in reverse order, each arc swept back.
void Reverse(std::vector<PlanePoint>& ring, std::vector<std::optional<MapArc>>& arcs) {
  std::reverse(ring.begin() + 1, ring.end());
  std::reverse(arcs.begin(), arcs.end());
  for (std::optional<MapArc>& arc : arcs) {
    if (arc)
      arc->sweep = -arc->sweep;
  }
}

PlanePoint OnArc(const MapArc& arc, PlanePoint from, double turn) {
  const double start = std::atan2(from.north - arc.centre.north, from.east - arc.centre.east);
  return {arc.centre.east + arc.radius * std::cos(start + turn),
          arc.centre.north + arc.radius * std::sin(start + turn)};
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
  const BoundaryFigures figures = ground.sums.Close();
  MapBoundary map;
  map.ring = std::move(ground.corners);
  map.arcs = std::move(ground.arcs);
  DropRepeats(map.ring, map.arcs);
  if (map.ring.size() < 3)
    return Error{"A map needs a boundary of at least three corners."};
  MapFigures& f = map.figures;
  f.name = std::move(name);
  f.area = figures.area;
  f.area_unit = words->square;
  f.large_unit = words->large;
  f.large_area = words->convert(figures.area);
  f.perimeter = RingPerimeter(map.ring, map.arcs);
  // A point list closes by definition: its last corner is joined to the first.
  f.misclosure = IsPointMode(state.EntryMode) ? 0 : figures.closure;
  f.precision = PrecisionText(PrecisionOf(ground.walked, f.misclosure), DigitGroups::Thousands);
  if (f.misclosure >= kOpenMisclosure)
    f.note = kClosedByClosingLine;
  if (ground.sums.SignedArea() < 0)
    Reverse(map.ring, map.arcs);
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  for (size_t i = 0; i < map.ring.size(); ++i) {
    map.ring[i] = GridOf(location, start, map.ring[i]);
    if (map.arcs[i]) {
      map.arcs[i]->centre = GridOf(location, start, map.arcs[i]->centre);
      map.arcs[i]->radius *= location.scale;
    }
  }
  map.scale = location.scale;
  return map;
}

PlanePoint ArcMidpoint(const MapArc& arc, PlanePoint from) {
  return OnArc(arc, from, arc.sweep / 2);
}

std::vector<PlanePoint> RingPoints(const MapBoundary& map, double deviation) {
  std::vector<PlanePoint> points;
  points.reserve(map.ring.size());
  for (size_t i = 0; i < map.ring.size(); ++i) {
    points.push_back(map.ring[i]);
    if (!map.arcs[i])
      continue;
    const MapArc& arc = *map.arcs[i];
    // A chord of angle a strays r (1 - cos a/2) from its arc; no chord spans
    // more than a quarter turn, however loose the deviation.
    const double widest =
        std::min(2 * std::acos(std::max(-1.0, 1 - deviation / arc.radius)), std::numbers::pi / 2);
    const double chords = std::ceil(std::fabs(arc.sweep) / widest);
    for (double k = 1; k < chords; ++k)
      points.push_back(OnArc(arc, map.ring[i], arc.sweep * k / chords));
  }
  return points;
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
