#include "entry/carpenter.h"

#include <cmath>

#include "base/numbers.h"
#include "base/units.h"

namespace tw {
namespace {

constexpr double kMinorScale = 10000;

}  // namespace

std::optional<CarpenterBearing> CarpenterDirection(std::string_view direction) {
  for (const CarpenterPreset& p : kCarpenterPresets)
    if (p.key == direction)
      return p.bearing;
  return std::nullopt;
}

std::optional<int> MinorUnitFactor(std::string_view unit_abbrev) {
  if (const UnitRecord* unit = UnitRecordFor(unit_abbrev))
    return unit->minor_factor;
  return std::nullopt;
}

std::optional<double> CarpenterLength(std::string_view major, std::string_view minor, int factor) {
  const std::optional<double> major_value = ReadLeadingNumber(major);
  const std::optional<double> minor_value = ReadLeadingNumber(minor);
  if (!major_value || !minor_value)
    return std::nullopt;
  // Floored, not truncated: -1 inch is -.0834 feet, as 1 inch is .0833.
  const double length =
      std::floor(*minor_value * kMinorScale / factor) / kMinorScale + *major_value;
  if (!IsBoundaryNumber(length))
    return std::nullopt;
  return length;
}

std::string CarpenterDistanceText(double length) {
  return length == 0 ? "00" : LeadingBlankForm(length);
}

}  // namespace tw
