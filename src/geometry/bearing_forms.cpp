#include "geometry/bearing_forms.h"

#include <cmath>
#include <cstdint>

#include "base/numbers.h"
#include "boundary/entry.h"
#include "geometry/bearing.h"

namespace tw {
std::optional<double> RoundHalfAway(double v, int decimals) {
  double rounded = 0;
  if (!ConvertStrictTo(ApplyPattern(v, 1, 0, decimals), rounded))
    return std::nullopt;
  return rounded + 0.0;  // -0 becomes 0
}

void AppendTwoDigits(std::string& s, long long v) {
  s += static_cast<char>('0' + v / 10 % 10);
  s += static_cast<char>('0' + v % 10);
}

std::string FixedForm(double v) {
  return ApplyPattern(v, 1, 4, 4);
}

std::optional<double> RoundToFourDecimals(double v) {
  return RoundHalfAway(v, 4);
}

QuadrantAngle QuadrantOf(double east, double north) {
  // The inverse of the program's bearing rule, with its own angle constant,
  // so that an entry's offsets read back as the entry's bearing.
  const double a = std::atan2(std::fabs(east), std::fabs(north)) * 180 / kAngleConstant;
  return {north < 0 ? 'S' : 'N', east < 0 ? 'W' : 'E', a};
}

QuadrantAngle QuadrantOfDirection(double direction_degrees) {
  double azimuth = std::fmod(90 - direction_degrees, 360.0);
  if (azimuth < 0)
    azimuth += 360;
  if (azimuth <= 90)
    return {'N', 'E', azimuth};
  if (azimuth <= 180)
    return {'S', 'E', 180 - azimuth};
  if (azimuth <= 270)
    return {'S', 'W', azimuth - 180};
  return {'N', 'W', 360 - azimuth};
}

std::string QuadrantForm(QuadrantAngle q, bool tenths) {
  // Rounding the whole angle in the last unit shown carries upward by itself.
  // An angle in seconds is far inside the limit of a boundary number.
  const long long per_second = tenths ? 10 : 1;
  const auto units = std::llround(*RoundHalfAway(q.degrees * 3600, tenths ? 1 : 0) *
                                  static_cast<double>(per_second));
  const long long per_minute = 60 * per_second;
  const long long per_degree = 60 * per_minute;
  if (units == 0)
    q.to = 'E';
  if (units == 90 * per_degree)
    q.from = 'N';
  std::string s(1, q.from);
  s += ' ';
  AppendTwoDigits(s, units / per_degree);
  s += kDegreeSign;
  AppendTwoDigits(s, units / per_minute % 60);
  s += '\'';
  AppendTwoDigits(s, units / per_second % 60);
  if (tenths) {
    s += '.';
    s += static_cast<char>('0' + units % 10);
  }
  s += "\" ";
  s += q.to;
  return s;
}

std::string AngleForm(double degrees) {
  const auto tenths = std::llround(*RoundHalfAway(degrees * 3600, 1) * 10);
  std::string s = tenths < 36000 ? "0" : "";
  s += std::to_string(tenths / 36000);
  s += kDegreeSign;
  AppendTwoDigits(s, tenths / 600 % 60);
  s += '\'';
  AppendTwoDigits(s, tenths / 10 % 60);
  s += '.';
  s += static_cast<char>('0' + tenths % 10);
  s += '"';
  return s;
}

std::string BearingForm(double east, double north) {
  return QuadrantForm(QuadrantOf(east, north));
}

}  // namespace tw
