// The true, round scale the plat's boundary is drawn at.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Drawing units per unit of paper: feet per inch for "LF", a ratio (metres
// per metre) for any other unit.
struct PlatScale {
  bool feet_per_inch = false;
  double value = 1;  // 1, 2 or 5 x 10^k, 0 <= k <= kLargestScaleDecade

  // Millimetres of paper per drawing unit.
  double MmPerUnit() const;
};

// The series ends at 5 x 10^15, the last whose values and bar lengths are
// whole numbers a double holds exactly.
inline constexpr int kLargestScaleDecade = 15;

// The smallest 1, 2 or 5 x 10^k of the series at which a boundary `width` by
// `height` drawing units fits a drawing area of `area_width` by `area_height`
// mm; none when even the largest is too small or an extent is not finite.
std::optional<PlatScale> ChooseScale(std::string_view unit, double width, double height,
                                     double area_width, double area_height);

// "Scale 1\" = 50'" or "Scale 1:500".
std::string ScaleText(const PlatScale& scale);

// What the plat says in place of the scale when none fits.
std::string NoScaleText(std::string_view unit);

// The scale bar: a round length of at least `least_mm` of paper.
struct ScaleBarLength {
  double units = 1;  // 1, 2 or 5 x 10^k drawing units
  double mm = 0;
};

ScaleBarLength BarLengthOf(const PlatScale& scale, double least_mm);

// A number as the scale bar writes it, never with an exponent: "100000",
// "0.05".
std::string BarNumberText(double value);

}  // namespace tw
