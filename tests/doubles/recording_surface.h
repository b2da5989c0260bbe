// A drawing surface that writes down every call as one line of text, so a
// test compares the drawing as a list.
#pragma once

#include <string>
#include <vector>

#include "ports/drawing_surface.h"

namespace tw::test {

class RecordingSurface : public DrawingSurface {
 public:
  void Clear() override;
  void SetScale(double left, double top, double right, double bottom) override;
  void SetPenWidth(int pixels) override;
  void LineTo(double x, double y, std::optional<int> colour) override;
  void Line(double x1, double y1, double x2, double y2, std::optional<int> colour) override;
  void Point(double x, double y, int colour) override;
  void Arc(double cx, double cy, double radius, double start, double sweep,
           std::optional<int> colour) override;

  // Calls as "Clear", "Scale -300 300 300 -300", "Width 2", "LineTo 10 0",
  // "LineTo 0 0 c4", "Line -300 0 300 0 c8", "Point 0 0 c1", "Arc 10 0 10
  // 180 -90" (centre, radius, start and sweep in degrees); numbers in
  // the plain number form rounded to 9 significant digits.
  std::vector<std::string> calls;
};

}  // namespace tw::test
