// The page the plat is laid out on: lines, dashed lines and text, in
// millimetres from the page's upper-left corner, y downward. The window's
// PDF and printer pages draw these calls; tests record them.
#pragma once

#include <string_view>

namespace tw {

struct PagePoint {
  double x = 0;  // mm from the left edge
  double y = 0;  // mm from the top edge
};

struct PageSize {
  double width = 0;  // mm
  double height = 0;
};

inline constexpr PageSize kA4{210.0, 297.0};
inline constexpr PageSize kLetter{215.9, 279.4};

// Where `at` lies on the text's baseline.
enum class TextAlign { Left, Centre, Right };

class Page {
 public:
  virtual ~Page() = default;
  virtual void Line(PagePoint a, PagePoint b, double width_mm) = 0;
  virtual void DashedLine(PagePoint a, PagePoint b, double width_mm) = 0;
  // Windows-1252 text of `size_pt` points, turned `angle_degrees`
  // counter-clockwise about `at`.
  virtual void Text(PagePoint at, double size_pt, double angle_degrees, TextAlign align,
                    std::string_view text) = 0;
  // The width in mm that Text gives the same Windows-1252 text.
  virtual double TextWidth(double size_pt, std::string_view text) = 0;
  // Ends the page; what follows goes on the next one.
  virtual void NewPage() = 0;
};

}  // namespace tw
