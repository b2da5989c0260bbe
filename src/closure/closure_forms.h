// The column titles of the closure analysis's tables.
#pragma once

#include <array>

namespace tw {

// The column titles of the traverse tables, on screen and on the plat: a
// line's, and a corner's after its number. The adjusted line's columns on
// screen put kAdjustedTitle before the line's.
inline constexpr std::array<const char*, 4> kLineTitles = {"Bearing", "Distance", "Latitude",
                                                           "Departure"};
inline constexpr std::array<const char*, 2> kCornerTitles = {"North", "East"};
inline constexpr const char* kAdjustedTitle = "Adjusted ";

}  // namespace tw
