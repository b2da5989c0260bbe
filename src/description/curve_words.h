// What the words of a curve call say: its side, radius, size and direction,
// each as written, for the reader to compose the curve entry from.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "boundary/curve_entry.h"
#include "description/call_words.h"

namespace tw {

struct WrittenCurve {
  std::optional<CurveSide> side;          // "to the right", "to the left"
  std::optional<double> concave_azimuth;  // "concave to the northeast", in seconds
  std::optional<WrittenDistance> radius;
  std::optional<WrittenBearing> delta;  // the central angle in azimuth_seconds
  std::optional<WrittenDistance> arc;
  std::optional<WrittenDistance> chord;
  std::optional<WrittenBearing> chord_bearing;
  // The radial towards the centre: one written from the centre is reversed.
  std::optional<WrittenBearing> radial;
  bool radial_reversed = false;
  bool radial_at_end = false;  // "to a point from which the radius point bears"
  bool tangent = false;        // "tangent to the previous course"
  bool non_tangent = false;    // "non-tangent"
};

// The curve's words from token `at` (its word "curve") up to `stop`.
WrittenCurve ReadCurveWords(const std::vector<Token>& tokens, size_t at, size_t stop, bool metric,
                            const LengthRules& rules, UsedTokens& used);

}  // namespace tw
