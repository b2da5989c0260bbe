// The kinds of mistake the blunder finder tries, and how each is named.
#pragma once

#include <cstdint>
#include <string_view>

namespace tw {

// The mistakes tried, in the order findings of equal precision on one line
// are listed.
enum class BlunderKind : std::uint8_t {
  Quadrant,          // another quadrant code
  DegreesMinutes,    // degrees and minutes swapped
  DegreeDigits,      // two adjacent digits swapped in the degrees
  MinuteDigits,      // ... in the minutes
  SecondDigits,      // ... in the seconds
  DistanceDigits,    // ... in the distance
  DistanceTimesTen,  // a misplaced decimal point
  DistanceTenth,     // a misplaced decimal point
  WrongDistance,     // a line along the misclosure: its distance
  WrongBearing,      // a line across the misclosure: its bearing
};

// "digits swapped in the distance" and the like.
std::string_view BlunderKindText(BlunderKind kind);

}  // namespace tw
