// The angle constant of every conversion from degrees to radians: bearings,
// and the limits and elements of curves.
#pragma once

namespace tw {

// Deliberately not full-precision pi, so a due-north line of length 100 has
// dx of about 1.6E-13.
inline constexpr double kAngleConstant = 3.14159265358979;

}  // namespace tw
