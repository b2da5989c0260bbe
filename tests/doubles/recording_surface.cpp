#include "doubles/recording_surface.h"

#include <cmath>

#include "base/numbers.h"

namespace tw::test {
namespace {

// Nine significant digits hide the residues of the angle constant.
std::string N(double v) {
  if (v == 0)
    return "0";
  const double scale = std::pow(10.0, 8 - std::floor(std::log10(std::fabs(v))));
  const double rounded = std::round(v * scale) / scale;
  return PlainForm(std::fabs(rounded) < 1e-9 ? 0 : rounded);
}

std::string C(std::optional<int> colour) {
  return colour ? " c" + std::to_string(*colour) : std::string();
}

}  // namespace

void RecordingSurface::Clear() {
  calls.push_back("Clear");
}

void RecordingSurface::SetScale(double left, double top, double right, double bottom) {
  calls.push_back("Scale " + N(left) + " " + N(top) + " " + N(right) + " " + N(bottom));
}

void RecordingSurface::SetPenWidth(int pixels) {
  calls.push_back("Width " + std::to_string(pixels));
}

void RecordingSurface::LineTo(double x, double y, std::optional<int> colour) {
  calls.push_back("LineTo " + N(x) + " " + N(y) + C(colour));
}

void RecordingSurface::Line(double x1, double y1, double x2, double y2, std::optional<int> colour) {
  calls.push_back("Line " + N(x1) + " " + N(y1) + " " + N(x2) + " " + N(y2) + C(colour));
}

void RecordingSurface::Point(double x, double y, int colour) {
  calls.push_back("Point " + N(x) + " " + N(y) + C(colour));
}

void RecordingSurface::Arc(double cx, double cy, double radius, double start, double sweep,
                           std::optional<int> colour) {
  const double degrees = 180 / std::acos(-1.0);
  calls.push_back("Arc " + N(cx) + " " + N(cy) + " " + N(radius) + " " + N(start * degrees) + " " +
                  N(sweep * degrees) + C(colour));
}

}  // namespace tw::test
