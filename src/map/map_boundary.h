// A located boundary as a map shows it: its ring in grid coordinates and the
// figures its polygon carries. Pure: no projection library here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "boundary/program_state.h"
#include "geometry/plane.h"
#include "location/location.h"

namespace tw {

// A misclosure from this length on leaves the boundary open: the map closes
// it by its closing line and says so. Below it the closure prints 0.0000.
inline constexpr double kOpenMisclosure = 0.00005;
inline constexpr std::string_view kClosedByClosingLine = "closed by its closing line";

// The polygon's attributes, each in the list's unit (the area in its square).
struct MapFigures {
  std::string name;             // Windows-1252
  double area = 0;              // on the ground, as the report gives it
  std::string_view area_unit;   // "sq ft" or "sq m"
  std::string_view large_unit;  // "acres" or "hectares"
  double large_area = 0;
  double perimeter = 0;   // of the ring, its closing line included
  double misclosure = 0;  // 0 for a point list, which closes by definition
  std::string precision;  // "1:12,215" or "exact"
  std::string_view note;  // kClosedByClosingLine or empty
};

// A side that is a circular arc, in grid coordinates.
struct MapArc {
  PlanePoint centre;
  double radius = 0;
  double sweep = 0;  // radians from the side's start to its end, counter-clockwise positive
};

struct MapBoundary {
  // The corners in grid coordinates, counter-clockwise, the first not
  // repeated at the end and no corner twice in a row.
  std::vector<PlanePoint> ring;
  // arcs[i]: the side from ring[i] to the next corner, when it is an arc.
  std::vector<std::optional<MapArc>> arcs;
  double scale = 1;  // grid units per unit of the list
  MapFigures figures;
};

// A map without arcs takes each as a polyline whose chords stray from the
// arc by at most this much of the list's unit.
inline constexpr double kArcDeviation = 0.01;

// The point halfway along an arc that starts at `from`.
PlanePoint ArcMidpoint(const MapArc& arc, PlanePoint from);

// The ring as points only: each corner, and along each arc the points that
// keep every chord within `deviation` (grid units) of it.
std::vector<PlanePoint> RingPoints(const MapBoundary& map, double deviation);

// True for a list in feet ("LF"), false for metres ("m."); nullopt for any
// other unit, which no map coordinate reference system has.
std::optional<bool> IsFootList(std::string_view unit);

// The boundary read as the exports read it (by EntryMode) from the start
// corner (FirstPointX, FirstPointY), placed by `location`, its curves kept
// as arcs (a rotation and a scale leave an arc an arc). Fails for an empty
// list, a unit other than feet or metres, fewer than three distinct corners,
// or an entry that cannot be read.
Result<MapBoundary> MapBoundaryOf(const EntryTexts& entries, const ProgramState& state,
                                  const Location& location, std::string name);

// The polygon's description for a person (KML): area, perimeter, closure and
// precision, one a line, Windows-1252.
std::string MapDescription(const MapFigures& figures);

}  // namespace tw
