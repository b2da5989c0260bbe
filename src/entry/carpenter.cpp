#include "entry/carpenter.h"

#include <array>
#include <cmath>

#include "base/numbers.h"
#include "base/units.h"

namespace tw {
namespace {

struct Preset {
  std::string_view direction;
  CarpenterBearing bearing;
};

// Counter-clockwise from east, 45 degrees apart.
constexpr std::array<Preset, 8> kPresets = {{
    {"0 Degrees", {"NE", "90"}},
    {"45 Degrees", {"NE", "45"}},
    {"90 Degrees", {"NW", "00"}},
    {"135 Degrees", {"NW", "45"}},
    {"180 Degrees", {"SW", "90"}},
    {"225 Degrees", {"SW", "45"}},
    {"270 Degrees", {"SE", "00"}},
    {"315 Degrees", {"SE", "45"}},
}};

constexpr double kMinorScale = 10000;

}  // namespace

std::optional<CarpenterBearing> CarpenterDirection(std::string_view direction) {
  for (const Preset& p : kPresets)
    if (p.direction == direction)
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
