// The three adjustments that make a bearing list close.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "closure/closure_figures.h"
#include "closure/traverse_lines.h"
#include "geometry/plane.h"

namespace tw {

enum class AdjustMethod { Compass, Transit, Crandall };

inline constexpr const char* kCrandallSingular =
    "Crandall: cannot adjust a boundary whose lines are all parallel";
// Directions apart, but lengths so unequal that no solution closes.
inline constexpr const char* kCrandallIllConditioned =
    "Crandall: cannot adjust: the system is too ill-conditioned to solve (the lengths differ "
    "too much)";

// The change an adjustment made to the length of one line: adjusted less
// entered, so that a shortened line's is negative.
struct LengthChange {
  size_t line = 0;
  double change = 0;
};

// A length changed by more than this many misclosures means the directions
// alone could hardly close the traverse: Crandall has bent it, not trued it.
inline constexpr int kWeakShapeRatio = 10;

// The change of largest size, the first of equals; none for no lines.
LengthChange LargestLengthChange(const std::vector<TraverseLine>& entered,
                                 const std::vector<TraverseLine>& adjusted);

// Whether a change that large says the traverse is too weakly shaped for
// Crandall.
bool TooWeaklyShaped(const LengthChange& change, double misclosure);

struct Adjustment {
  std::vector<TraverseLine> lines;
  // The curves with their adjusted chords, in list order: radius and side
  // held, delta and arc following from the chord, major arcs kept major.
  std::vector<TraverseCurve> curves;
  // Corner k is the end of line k, walked from `start` as the exports walk
  // the entries; the last one coincides with the start to within 1e-12 of
  // the perimeter.
  PlanePoint start;
  std::vector<PlanePoint> corners;
  double area = 0;  // with the adjusted curves' segments
  LengthChange largest_change;
};

// The offsets of each adjusted line; lengths and corners follow from them.
using AdjustFunction = Result<std::vector<TraverseLine>> (*)(const std::vector<TraverseLine>& lines,
                                                             const TraverseSums& sums);

// One row per adjustment: the batch and the closure text name it by its key,
// the dialog offers it and its failures are reported by its title. A new
// method is one row.
struct AdjustMethodRow {
  AdjustMethod method;
  std::string_view key;    // "compass"
  std::string_view title;  // "Compass"
  AdjustFunction adjust;
};

// Every method, in the order the dialog and the usage list them.
std::span<const AdjustMethodRow> AdjustMethods();

const AdjustMethodRow& RowOf(AdjustMethod method);

// "compass", "transit", "crandall".
std::string_view MethodName(AdjustMethod method);
std::optional<AdjustMethod> MethodFromName(std::string_view name);

// Compass: each line takes the misclosure's share of its length.
// Transit: each component takes the share of that component's absolute sum
// (none when the sum is 0). Crandall: directions held, lengths corrected by
// least squares with weights 1/L; zero-length lines stay zero. Crandall fails
// with kCrandallSingular when the lines are all parallel, with
// kCrandallIllConditioned when it cannot close them, and when the correction
// would leave a line a length of 0 or less. Any method fails when a corner
// would lie past what a point entry holds, and when a curve's adjusted chord
// is longer than its diameter. A curve's line takes part by its chord; the
// curves are those of `lines`.
Result<Adjustment> Adjust(const std::vector<TraverseLine>& lines, const TraverseSums& sums,
                          AdjustMethod method, PlanePoint start = {},
                          std::span<const TraverseCurve> curves = {});

}  // namespace tw
