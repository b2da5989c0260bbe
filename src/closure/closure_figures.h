// How well a bearing list closes: perimeter, misclosure, precision and the
// verdict against a standard.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/numbers.h"
#include "closure/traverse_lines.h"

namespace tw {

// 1:N with N = floor(perimeter / misclosure), or exact: a misclosure below
// 1e-9 of the perimeter, or a perimeter of 0.
struct Precision {
  bool exact = false;
  std::int64_t ratio = 0;  // N, when not exact
};

Precision PrecisionOf(double perimeter, double misclosure);

// For ranking: exact ranks above every ratio.
double RankOf(Precision p);

// "exact" or "1:N".
std::string PrecisionText(Precision p, DigitGroups groups = DigitGroups::None);

// Met when exact or N >= standard.
bool MeetsStandard(Precision p, int standard);

struct ClosureFigures {
  double perimeter = 0;
  double delta_north = 0;  // the latitude sum: the end corner's north
  double delta_east = 0;   // the departure sum: the end corner's east
  double misclosure = 0;   // sqrt(dN² + dE²)
  Precision precision;
};

ClosureFigures FiguresOf(const TraverseSums& sums);

// The area words of a unit: square unit and the larger unit of the report,
// with the report's factors. None for a unit other than "LF" or "m.".
struct AreaWords {
  std::string_view square;  // "sq ft", "sq m"
  std::string_view large;   // "acres", "hectares"
  double (*convert)(double area);
};

std::optional<AreaWords> AreaWordsOf(std::string_view unit);

}  // namespace tw
