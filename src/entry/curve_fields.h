// The boxes and choosers of the Surveyor strip's curve controls: the entry
// they make and the elements it has, or why they make no curve, in words.
// The add command and the strip's preview share this one reading.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "boundary/curve_entry.h"
#include "geometry/curve.h"

namespace tw {

struct CurveFields {
  CurveSide side = CurveSide::Right;
  std::string radius;
  CurveSize size = CurveSize::Delta;
  std::string length;  // the arc or the chord, by `size`
  std::string delta_degrees, delta_minutes, delta_seconds;
  bool major = false;  // only with a chord
  CurveAim aim = CurveAim::Tangent;
  std::string quadrant;  // "NE", "NW", "SW" or "SE", unless tangent
  std::string degrees, minutes, seconds;
};

// Whether the boxes that make a curve hold anything: the radius and the
// size. Without them an add does nothing, as a line without its distance.
bool HasCurveSize(const CurveFields& f);

// The boxes as an add leaves them shown: empty angle boxes "00", one-digit
// ones and distances two characters, as a line's boxes are padded.
void PadCurveFields(CurveFields& f);

struct CurveDraft {
  std::string entry;
  CurveElements elements;
};

// The entry that padded boxes make for a list whose last entry ends in
// `heading_before` (none: nothing to follow), with its elements; or the
// reason, starting in lower case, why it cannot be one.
Result<CurveDraft> DraftCurve(const CurveFields& padded, std::string_view unit,
                              std::optional<double> heading_before);

// The strip's one-line preview of what an add would make of the boxes as
// they stand: R, delta, L (the arc), C (the chord), CB and T (the tangent
// length, below half a turn), or why it is no curve yet.
std::string CurvePreview(CurveFields f, std::string_view unit,
                         std::optional<double> heading_before);

}  // namespace tw
