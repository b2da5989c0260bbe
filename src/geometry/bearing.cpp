#include "geometry/bearing.h"

#include <cmath>

#include "base/numbers.h"
#include "base/quote.h"

namespace tw {

Result<Offsets> ComputeLatDep(std::string_view quadrant, double degrees, double minutes,
                              double seconds, std::string_view distance) {
  const std::optional<double> d = ConvertStrict(distance);
  if (!d)
    return Error{"the distance \"" + QuoteForMessage(distance) + "\" is not a number"};
  return LatDep(quadrant, degrees, minutes, seconds, *d);
}

}  // namespace tw
