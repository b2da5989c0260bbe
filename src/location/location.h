// Where a boundary lies on the earth: its start corner's place in a projected
// coordinate reference system, the turn from the list's bearing basis to grid
// north and the ground-to-grid scale factor.
//
// A project file carries it as one line right after the header:
//   :LOCATION,EPSG:2248,N,E,ROTATION,SCALE
//   :LOCATION,WGS84,LAT,LON,ROTATION,SCALE
// Older readers take that line for an entry and refuse it, so they never
// misread a located file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "geometry/plane.h"

namespace tw {

struct Location {
  // The EPSG code of a projected CRS whose grid N and E the start corner has;
  // 0 for a start corner given by WGS 84 latitude and longitude, the grid
  // then a transverse Mercator centred on it.
  int epsg = 0;
  double north = 0;  // grid N, or the latitude in degrees
  double east = 0;   // grid E, or the longitude in degrees
  // Degrees added to every azimuth: positive turns the boundary clockwise.
  double rotation = 0;
  double scale = 1;  // grid distance per ground distance

  bool operator==(const Location&) const = default;
};

// The line's first field, which tells a location line from an entry.
inline constexpr std::string_view kLocationTag = ":LOCATION";

bool IsLocationLine(std::string_view line);

// An EPSG code's number ("2248"): digits only, above 0.
std::optional<int> EpsgNumberOf(std::string_view digits);

// The stored line, numbers in the plain number form.
std::string LocationLine(const Location& location);

// Reads a line IsLocationLine takes. Fails with the reason when it has other
// than six fields, its frame is neither "EPSG:CODE" nor "WGS84", a number
// does not read, the latitude or longitude is out of range or the scale is
// not positive.
Result<Location> ReadLocationLine(std::string_view line);

// The same fields as a person gives them on a command line:
// "EPSG:2248 N E" or "WGS84 LAT LON".
Result<Location> ReadPlaceText(std::string_view text);

// The grid coordinates of a corner: (N, E) + S·R(θ)·(corner − start), east
// in `east` and north in `north`. For a WGS 84 location (N, E) is the grid's
// own origin (0, 0).
PlanePoint GridOf(const Location& location, PlanePoint start, PlanePoint corner);

}  // namespace tw
