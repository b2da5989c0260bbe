// The three adjustments that make a bearing list close.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "closure/closure_figures.h"
#include "closure/traverse_lines.h"

namespace tw {

enum class AdjustMethod { Compass, Transit, Crandall };

inline constexpr const char* kCrandallSingular =
    "Crandall: cannot adjust a boundary whose lines are all parallel";
// Directions apart, but lengths so unequal that no solution closes.
inline constexpr const char* kCrandallIllConditioned =
    "Crandall: cannot adjust: the system is too ill-conditioned to solve (the lengths differ "
    "too much)";

// "compass", "transit", "crandall".
std::string_view MethodName(AdjustMethod method);
std::optional<AdjustMethod> MethodFromName(std::string_view name);

struct AdjustedLine {
  double lat = 0;
  double dep = 0;
  double length = 0;
};

struct Adjustment {
  std::vector<AdjustedLine> lines;
  // Corner k is the end of line k, from the start (0, 0); the last one
  // coincides with the start to within 1e-12 of the perimeter.
  std::vector<PlanePoint> corners;
  double area = 0;
};

// Compass: each line takes the misclosure's share of its length.
// Transit: each component takes the share of that component's absolute sum
// (none when the sum is 0). Crandall: directions held, lengths corrected by
// least squares with weights 1/L; zero-length lines stay zero. Crandall fails
// with kCrandallSingular when the lines are all parallel, with
// kCrandallIllConditioned when it cannot close them, and when the correction
// would turn a line round. Any method fails when a corner would lie past
// what a point entry holds.
Result<Adjustment> Adjust(const std::vector<TraverseLine>& lines, const TraverseSums& sums,
                          AdjustMethod method);

}  // namespace tw
