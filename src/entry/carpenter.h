// The eight Carpenter directions and the Carpenter length, as pure functions.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The quadrant bearing a direction preset stands for; minutes and seconds
// are "00" for all eight.
struct CarpenterBearing {
  std::string_view quadrant;  // "NE", "NW", "SW", "SE"
  std::string_view degrees;   // "90", "45" or "00"
};

// A direction preset: its key in the direction box and the angle its arrow
// points at, in degrees counter-clockwise from east.
struct CarpenterPreset {
  std::string_view key;
  int degrees;
  CarpenterBearing bearing;
};

// The presets in the order the box offers them, 45 degrees apart.
inline constexpr std::array<CarpenterPreset, 8> kCarpenterPresets = {{
    {"0 Degrees", 0, {"NE", "90"}},
    {"45 Degrees", 45, {"NE", "45"}},
    {"90 Degrees", 90, {"NW", "00"}},
    {"135 Degrees", 135, {"NW", "45"}},
    {"180 Degrees", 180, {"SW", "90"}},
    {"225 Degrees", 225, {"SW", "45"}},
    {"270 Degrees", 270, {"SE", "00"}},
    {"315 Degrees", 315, {"SE", "45"}},
}};

// The bearing of a preset's key ("0 Degrees" ... "315 Degrees"), compared
// exactly and whole; nullopt for any other text.
std::optional<CarpenterBearing> CarpenterDirection(std::string_view direction);

// Minor units per major unit: 12 for "LF", 100 for "m."; nullopt for any
// other unit, which has no minor unit.
std::optional<int> MinorUnitFactor(std::string_view unit_abbrev);

// The major text plus the minor text cut (toward minus infinity, never
// rounded) to four decimals of the major unit; both texts in the leading-
// number reading. nullopt when the result is not a number of a boundary.
std::optional<double> CarpenterLength(std::string_view major, std::string_view minor, int factor);

// "00" for exactly zero, else the leading-blank number form (" 12.5", "-.0834").
std::string CarpenterDistanceText(double length);

}  // namespace tw
