#include "closure/closure_figures.h"

#include <cmath>
#include <limits>

#include "base/numbers.h"
#include "base/units.h"

namespace tw {

Precision PrecisionOf(double perimeter, double misclosure) {
  if (perimeter == 0 || misclosure < 1e-9 * perimeter)
    return {true, 0};
  return {false, static_cast<std::int64_t>(std::floor(perimeter / misclosure))};
}

double RankOf(Precision p) {
  return p.exact ? std::numeric_limits<double>::infinity() : static_cast<double>(p.ratio);
}

std::string PrecisionText(Precision p, DigitGroups groups) {
  return p.exact ? "exact" : RatioLabel(p.ratio, groups);
}

bool MeetsStandard(Precision p, int standard) {
  return p.exact || p.ratio >= standard;
}

ClosureFigures FiguresOf(const TraverseSums& sums) {
  ClosureFigures f;
  f.perimeter = sums.perimeter;
  f.delta_north = sums.north;
  f.delta_east = sums.east;
  f.misclosure = std::sqrt(sums.north * sums.north + sums.east * sums.east);
  f.precision = PrecisionOf(f.perimeter, f.misclosure);
  return f;
}

std::optional<AreaWords> AreaWordsOf(std::string_view unit) {
  if (const UnitRecord* record = UnitRecordFor(unit))
    return AreaWords{record->square_words, record->large_words, record->to_large};
  return std::nullopt;
}

}  // namespace tw
