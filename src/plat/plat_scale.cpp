#include "plat/plat_scale.h"

#include <charconv>
#include <cmath>

namespace tw {
namespace {

constexpr double kMmPerInch = 25.4;
constexpr double kMmPerMetre = 1000;

// The smallest 1, 2 or 5 x 10^k not below `least`, at least 1. The steps are
// built by multiplying, so a value that is exactly round is taken as it is.
double RoundScaleAtLeast(double least) {
  double decade = 1;
  while (std::isfinite(decade)) {
    for (double step : {1.0, 2.0, 5.0}) {
      if (step * decade >= least)
        return step * decade;
    }
    decade *= 10;
  }
  return decade;
}

}  // namespace

double PlatScale::MmPerUnit() const {
  return (feet_per_inch ? kMmPerInch : kMmPerMetre) / value;
}

PlatScale ChooseScale(std::string_view unit, double width, double height, double area_width,
                      double area_height) {
  PlatScale s;
  s.feet_per_inch = unit == "LF";
  const double paper = s.feet_per_inch ? kMmPerInch : kMmPerMetre;
  const double least = std::max(width * paper / area_width, height * paper / area_height);
  s.value = RoundScaleAtLeast(least);
  return s;
}

std::string WholeText(double value) {
  char buffer[32];
  const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::llround(value)).ptr;
  return std::string(buffer, end);
}

std::string ScaleText(const PlatScale& scale) {
  if (scale.feet_per_inch)
    return "Scale 1\" = " + WholeText(scale.value) + "'";
  return "Scale 1:" + WholeText(scale.value);
}

}  // namespace tw
