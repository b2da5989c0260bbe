#include "boundary/bearing.h"

#include <cmath>

#include "boundary/entry.h"
#include "boundary/numbers.h"
#include "boundary/quote.h"

namespace tw {

double DirectionAngle(std::string_view quadrant, double degrees, double minutes, double seconds) {
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

Offsets LatDep(std::string_view quadrant, double degrees, double minutes, double seconds,
               double distance) {
  const double r = DirectionAngle(quadrant, degrees, minutes, seconds) * kAngleConstant / 180;
  return {distance * std::cos(r), distance * std::sin(r)};
}

Result<Offsets> ComputeLatDep(std::string_view quadrant, double degrees, double minutes,
                              double seconds, std::string_view distance) {
  const std::optional<double> d = ConvertStrict(distance);
  if (!d)
    return Error{"the distance \"" + QuoteForMessage(distance) + "\" is not a number"};
  return LatDep(quadrant, degrees, minutes, seconds, *d);
}

Result<Offsets> ComputeEntryLatDep(std::string_view entry) {
  BearingFieldsView f;
  if (!ReadBearingEntryTo(entry, f))
    return Error{ReadBearingEntryView(entry).error()};
  return LatDep(f.quadrant, f.degrees, f.minutes, f.seconds, f.length);
}

}  // namespace tw
