// The kinds of mistake the blunder finder tries, and how each is named.
#pragma once

#include <cstdint>
#include <string_view>

namespace tw {

// The mistakes tried, in the order findings of equal precision on one line
// are listed. All but the last two undo a keying slip and give back a clean
// call; the last two are fitted to the misclosure.
enum class BlunderKind : std::uint8_t {
  Quadrant,          // another quadrant code, or the bearing reversed
  DegreesMinutes,    // degrees and minutes swapped
  DegreeDigits,      // two adjacent digits swapped in the degrees
  MinuteDigits,      // ... in the minutes
  SecondDigits,      // ... in the seconds
  DistanceDigits,    // ... in the distance
  DistanceTimesTen,  // a misplaced decimal point
  DistanceTenth,     // a misplaced decimal point
  DegreeDigit,       // one wrong digit in the degrees
  MinuteDigit,       // ... in the minutes
  SecondDigit,       // ... in the seconds
  DistanceDigit,     // ... in the distance
  DroppedDigit,      // a digit left out of the distance
  DoubledDigit,      // a digit of the distance keyed twice
  CurveSide,         // a curve's side reversed
  ArcAsChord,        // a curve's arc length keyed as its chord
  ChordAsArc,        // a curve's chord keyed as its arc length
  MajorMinor,        // a curve's major and minor arc swapped
  WrongDistance,     // a line along the misclosure: its distance
  WrongBearing,      // a line across the misclosure: its bearing
};

// "digits swapped in the distance" and the like.
std::string_view BlunderKindText(BlunderKind kind);

// A value fitted to the misclosure rather than a keying slip undone.
constexpr bool IsFitted(BlunderKind kind) {
  return kind == BlunderKind::WrongDistance || kind == BlunderKind::WrongBearing;
}

}  // namespace tw
