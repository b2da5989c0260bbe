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

struct Adjustment {
  std::vector<TraverseLine> lines;
  // Corner k is the end of line k, from the start (0, 0); the last one
  // coincides with the start to within 1e-12 of the perimeter.
  std::vector<PlanePoint> corners;
  double area = 0;
};

using AdjustFunction = Result<Adjustment> (*)(const std::vector<TraverseLine>& lines,
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
// would turn a line round. Any method fails when a corner would lie past
// what a point entry holds.
Result<Adjustment> Adjust(const std::vector<TraverseLine>& lines, const TraverseSums& sums,
                          AdjustMethod method);

}  // namespace tw
