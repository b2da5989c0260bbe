// The printed forms of numbers and bearings that the closure analysis, the
// report, the plat and the curve elements share.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The 15-significant-digit value rounded half away from zero to four
// decimals, always four of them, never "-0.0000": 0.42104 -> "0.4210".
std::string FixedForm(double v);

// The 15-significant-digit value rounded half away from zero to `decimals`
// decimals, as a number (never -0): the value a printed form shows. nullopt
// when that value is not a boundary number, which no entry could hold.
std::optional<double> RoundHalfAway(double v, int decimals);

// RoundHalfAway(v, 4): what FixedForm shows.
std::optional<double> RoundToFourDecimals(double v);

// The last two digits of v >= 0, as the fields of a bearing hold them.
void AppendTwoDigits(std::string& s, long long v);

// A quadrant bearing and its angle from the meridian, 0 to 90 degrees.
struct QuadrantAngle {
  char from = 'N';  // 'N' or 'S'
  char to = 'E';    // 'E' or 'W'
  double degrees = 0;
};

// The quadrant bearing of a vector (east, north). A zero vector is due north.
QuadrantAngle QuadrantOf(double east, double north);

// The quadrant bearing of a direction angle in degrees counter-clockwise from
// east, the program's own convention for a line.
QuadrantAngle QuadrantOfDirection(double direction_degrees);

// A quadrant bearing as the analysis prints it, in Windows-1252:
// "S 46°54'36.6\" W". Seconds are rounded to a tenth with the carry going
// upward; due north or south prints "N 00°00'00.0\" E" or "S ...", due east
// or west "N 90°00'00.0\" E" or "N 90°00'00.0\" W". With `tenths` false the
// seconds are rounded whole, as a report gives them: "S 46°54'37\" W".
std::string QuadrantForm(QuadrantAngle q, bool tenths = true);

// An angle of 0 to 360 degrees as the curve elements print it, at least two
// degree digits and seconds to a tenth: "90°00'00.0\"", "105°30'00.0\"".
std::string AngleForm(double degrees);

// QuadrantForm of the bearing of a vector.
std::string BearingForm(double east, double north);

}  // namespace tw
