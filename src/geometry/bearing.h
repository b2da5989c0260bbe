// Quadrant bearings to coordinate offsets.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "base/angle_constant.h"
#include "base/result.h"
#include "geometry/plane.h"

namespace tw {

// The quadrant codes, in the order the direction box offers them.
inline constexpr std::array<std::string_view, 4> kQuadrants = {"NE", "NW", "SW", "SE"};

// Exact and case-sensitive, as the angle below reads the code.
constexpr bool IsQuadrant(std::string_view code) {
  return std::find(kQuadrants.begin(), kQuadrants.end(), code) != kQuadrants.end();
}

// Direction angle in degrees counter-clockwise from east for a quadrant code
// (one of kQuadrants; anything else runs due east) and a decimal angle.
// Inline, as LatDep: the walks call them for every entry.
inline double DirectionAngle(std::string_view quadrant, double degrees, double minutes,
                             double seconds) {
  const double a = (degrees + minutes / 60) + seconds / 3600;
  if (quadrant == "NE")
    return std::fabs(90 - a);
  if (quadrant == "NW")
    return std::fabs(a + 90);
  if (quadrant == "SW")
    return std::fabs(270 - a);
  if (quadrant == "SE")
    return std::fabs(a + 270);
  return 0;
}

// The offsets of a line of the given distance running `radians` counter-
// clockwise from east.
inline Offsets LatDepAt(double radians, double distance) {
  return {distance * std::cos(radians), distance * std::sin(radians)};
}

// The offsets of a line of the given distance (a number).
inline Offsets LatDep(std::string_view quadrant, double degrees, double minutes, double seconds,
                      double distance) {
  return LatDepAt(DirectionAngle(quadrant, degrees, minutes, seconds) * kAngleConstant / 180,
                  distance);
}

// The offsets of a line whose distance is a text, converted strictly.
// Fails when the distance is not a number.
Result<Offsets> ComputeLatDep(std::string_view quadrant, double degrees, double minutes,
                              double seconds, std::string_view distance);

}  // namespace tw
