// The true, round scale the plat's boundary is drawn at.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// Drawing units per unit of paper: feet per inch for "LF", a ratio (metres
// per metre) for any other unit.
struct PlatScale {
  bool feet_per_inch = false;
  double value = 1;  // 1, 2 or 5 x 10^k, k >= 0

  // Millimetres of paper per drawing unit.
  double MmPerUnit() const;
};

// The smallest 1, 2 or 5 x 10^k (k >= 0) at which a boundary `width` by
// `height` drawing units fits a drawing area of `area_width` by `area_height`
// mm.
PlatScale ChooseScale(std::string_view unit, double width, double height, double area_width,
                      double area_height);

// "Scale 1\" = 50'" or "Scale 1:500".
std::string ScaleText(const PlatScale& scale);

// A whole number without decimals: "500".
std::string WholeText(double value);

}  // namespace tw
