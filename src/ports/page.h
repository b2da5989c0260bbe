// The page the plat is laid out on: lines, arcs, dashed lines and text, in
// millimetres from the page's upper-left corner, y downward. The window's
// PDF and printer pages draw these calls; tests record them.
#pragma once

#include <string_view>

#include "ports/arc_chords.h"

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

// How far, in mm, the chords of Arc's default may stand off the arc.
inline constexpr double kArcPageTolerance = 0.05;

// Where `at` lies on the text's baseline.
enum class TextAlign { Left, Centre, Right };

class Page {
 public:
  virtual ~Page() = default;
  virtual void Line(PagePoint a, PagePoint b, double width_mm) = 0;
  virtual void DashedLine(PagePoint a, PagePoint b, double width_mm) = 0;
  // The circle of `radius_mm` about `centre`, from `start` radians to
  // `start` + `sweep`: angles run from the page's +x axis towards its +y
  // axis, so clockwise as seen, y running down; a negative sweep turns the
  // other way. The default draws chords within kArcPageTolerance of it.
  virtual void Arc(PagePoint centre, double radius_mm, double start, double sweep,
                   double width_mm) {
    const int chords = ArcChordCount(radius_mm, sweep, kArcPageTolerance);
    bool first = true;
    PagePoint from;
    WalkArc(centre.x, centre.y, radius_mm, start, sweep, chords, [&](double x, double y) {
      const PagePoint to{x, y};
      if (!first)
        Line(from, to, width_mm);
      first = false;
      from = to;
    });
  }
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
