#include "plat/plat_scale.h"

#include <cmath>

#include "base/numbers.h"
#include "base/units.h"

namespace tw {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kMmPerMetre = 1000;
constexpr double kSteps[] = {1, 2, 5};

// 10^k, exact for 0 <= k <= 22; std::pow is correctly rounded there too, but
// a literal table leaves no doubt about the scale's own values.
constexpr double kDecades[] = {1,    1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                               1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                               1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The smallest 1, 2 or 5 x 10^k not below `least`, k from `first` up to
// `last`; none past the last. Comparing, never multiplying by the least,
// keeps a value that is exactly round as it is.
std::optional<double> RoundAtLeast(double least, int first, int last) {
  for (int k = first; k <= last; ++k) {
    const double decade = k < 0 ? 1 / kDecades[-k] : kDecades[k];
    for (double step : kSteps)
      if (step * decade >= least)
        return step * decade;
  }
  return std::nullopt;
}

// A unit matching no record has a ratio scale.
bool FeetPerInch(std::string_view unit) {
  const UnitRecord* r = UnitRecordFor(unit);
  return r && r->feet_per_inch;
}

double PaperMm(bool feet_per_inch) {
  return feet_per_inch ? kMmPerInch : kMmPerMetre;
}

std::string UnitScaleText(bool feet_per_inch, std::string_view number) {
  if (feet_per_inch)
    return "1\" = " + std::string(number) + "'";
  return "1:" + std::string(number);
}

}  // namespace

double PlatScale::MmPerUnit() const {
  return PaperMm(feet_per_inch) / value;
}

std::optional<PlatScale> ChooseScale(std::string_view unit, double width, double height,
                                     double area_width, double area_height) {
  PlatScale s;
  s.feet_per_inch = FeetPerInch(unit);
  const double paper = PaperMm(s.feet_per_inch);
  const double least = std::max(width * paper / area_width, height * paper / area_height);
  // NaN and infinity fail every comparison with a round value.
  const std::optional<double> value =
      std::isnan(least) ? std::nullopt : RoundAtLeast(least, 0, kLargestScaleDecade);
  if (!value)
    return std::nullopt;
  s.value = *value;
  return s;
}

std::string ScaleText(const PlatScale& scale) {
  return "Scale " + UnitScaleText(scale.feet_per_inch, BarNumberText(scale.value));
}

std::string NoScaleText(std::string_view unit) {
  const bool feet_per_inch = FeetPerInch(unit);
  const double largest = kSteps[2] * kDecades[kLargestScaleDecade];
  return "Not drawn: the boundary is too large for any scale up to " +
         UnitScaleText(feet_per_inch, BarNumberText(largest));
}

ScaleBarLength BarLengthOf(const PlatScale& scale, double least_mm) {
  // Three decades below a scale of 1 (a bar of millimetres at 1:1) and two
  // above the largest (a bar of more than an inch at 5 x 10^15) cover the
  // series.
  const double units =
      RoundAtLeast(least_mm / scale.MmPerUnit(), -3, kLargestScaleDecade + 2).value_or(1);
  return {units, units * scale.MmPerUnit()};
}

std::string BarNumberText(double value) {
  return ApplyPattern(value, 1, 0, 4);
}

}  // namespace tw
