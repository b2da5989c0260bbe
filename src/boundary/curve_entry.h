// The entry text of a circular curve, one line of blank-separated tokens:
//   "Curve right R 20.00LF delta 90°00'00'' tangent"
//   "Curve left R 50.00LF chord 25.00LF major CB SE 80°00'00''"
// A curve is a bearing entry of a Surveyor list. Its text starts with
// "Curve ", which no line entry can (a line's degrees sit where "ve" does),
// so a list without curves reads exactly as before.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"

namespace tw {

inline constexpr std::string_view kCurvePrefix = "Curve ";

enum class CurveSide { Right, Left };  // right: turning clockwise
enum class CurveSize { Arc, Delta, Chord };
enum class CurveAim { Tangent, ChordBearing, RadialBearing };

// Whole degrees, minutes and seconds, as the entry holds them.
struct WholeAngle {
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;
};

// A quadrant bearing of a curve: "NE" and its angle from the meridian.
struct CurveBearing {
  std::string_view quadrant;  // one of kQuadrants, a view into the entry
  WholeAngle angle;
};

// What a curve entry says, the bearing's quadrant a view into its text.
struct CurveCall {
  CurveSide side = CurveSide::Right;
  double radius = 0;
  CurveSize size = CurveSize::Delta;
  double length = 0;   // the arc or the chord, by `size`
  WholeAngle delta;    // with CurveSize::Delta
  bool major = false;  // only with a chord: the longer of its two arcs
  CurveAim aim = CurveAim::Tangent;
  CurveBearing bearing;  // unless the aim is Tangent
};

constexpr bool IsCurveEntry(std::string_view entry) {
  return entry.substr(0, kCurvePrefix.size()) == kCurvePrefix;
}

// Reads exactly the form above: the four quadrants, bearings of 00 to 90
// degrees, minutes and seconds 00 to 59, radius and lengths above 0 that
// convert strictly, an arc shorter than the full circle, a chord of at most
// the diameter, a delta above 0 and below 360 degrees. Fails naming the
// field. Whether a tangent curve has a direction to follow is the walk's.
Result<CurveCall> ReadCurveEntry(std::string_view entry);

// The same reading without a Result for the walks' hot path: false where
// ReadCurveEntry fails.
bool ReadCurveEntryTo(std::string_view entry, CurveCall& call);

// "90°00'00''": degrees at least two digits, as a delta is written.
std::string WholeAngleText(WholeAngle a);
// "NE 45°00'00''", as a line entry writes its bearing.
std::string CurveBearingText(std::string_view quadrant, WholeAngle a);

// The texts that go into a curve entry, each exactly as it is written there:
// the radius and a length without their unit, the delta as WholeAngleText
// gives it, the bearing as CurveBearingText gives it (ignored for Tangent).
struct CurveTexts {
  CurveSide side = CurveSide::Right;
  std::string_view radius;
  CurveSize size = CurveSize::Delta;
  std::string_view size_text;
  bool major = false;
  CurveAim aim = CurveAim::Tangent;
  std::string_view bearing;
  std::string_view unit;  // "LF" or "m."
};
std::string ComposeCurveEntry(const CurveTexts& t);

}  // namespace tw
