// Quadrant bearings to coordinate offsets.
#pragma once

#include <string_view>

#include "boundary/result.h"

namespace tw {

// dx towards the east, dy towards the north, in the unit of the distance.
struct Offsets {
  double dx = 0;
  double dy = 0;
};

// The angle constant: deliberately not full-precision pi, so a due-north
// line of length 100 has dx of about 1.6E-13.
inline constexpr double kAngleConstant = 3.14159265358979;

// Direction angle in degrees counter-clockwise from east for a quadrant code
// ("NE", "NW", "SW", "SE"; anything else runs due east) and a decimal angle.
double DirectionAngle(std::string_view quadrant, double degrees, double minutes, double seconds);

// The offsets of a line of the given distance (a number).
Offsets LatDep(std::string_view quadrant, double degrees, double minutes, double seconds,
               double distance);

// The offsets of a line whose distance is a text, converted strictly.
// Fails when the distance is not a number.
Result<Offsets> ComputeLatDep(std::string_view quadrant, double degrees, double minutes,
                              double seconds, std::string_view distance);

}  // namespace tw
