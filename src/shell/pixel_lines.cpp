#include "shell/pixel_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace tw {
namespace {

// The rows of a 32-bit picture, with the bounds every write is checked
// against.
struct Pixels {
  uchar* bits;
  qsizetype stride;
  int width, height;
  void Set(int x, int y, QRgb colour) const {
    if (static_cast<unsigned>(x) < static_cast<unsigned>(width) &&
        static_cast<unsigned>(y) < static_cast<unsigned>(height))
      reinterpret_cast<QRgb*>(bits + y * stride)[x] = colour;
  }
};

Pixels PixelsOf(QImage& picture) {
  return {picture.bits(), picture.bytesPerLine(), picture.width(), picture.height()};
}

constexpr double kOne = 65536;  // the fixed-point unit of the minor coordinate

// One pixel per column from the column of `from` to the column of `to`,
// each in the row where the line crosses the column's centre; kRows walks
// rows instead of columns. The minor coordinate steps in fixed point, and
// the walk starts and ends inside the picture, so the loop is additions, a
// shift and one bounds check.
template <bool kRows>
void Walk(const Pixels& p, QPointF from, QPointF to, int thickness, QRgb colour) {
  if (from.x() > to.x())
    std::swap(from, to);
  const int first = static_cast<int>(std::floor(from.x()));
  const int last = static_cast<int>(std::floor(to.x()));
  const double run = to.x() - from.x();
  const double slope = run > 0 ? (to.y() - from.y()) / run : 0;
  const int64_t step = std::llround(slope * kOne);
  const int start = std::max(first, 0);
  const int end = std::min(last, (kRows ? p.height : p.width) - 1);
  const unsigned across = static_cast<unsigned>(kRows ? p.width : p.height);
  int64_t minor =
      std::llround((from.y() + (first + 0.5 - from.x()) * slope) * kOne) + (start - first) * step;
  for (int major = start; major <= end; ++major, minor += step) {
    const int row = static_cast<int>(minor >> 16);
    for (int k = row; k < row + thickness; ++k) {
      if (static_cast<unsigned>(k) >= across)
        continue;
      if (kRows)
        reinterpret_cast<QRgb*>(p.bits + major * p.stride)[k] = colour;
      else
        reinterpret_cast<QRgb*>(p.bits + k * p.stride)[major] = colour;
    }
  }
}

QPointF Swapped(QPointF p) {
  return {p.y(), p.x()};
}

}  // namespace

void DrawPixelLine(QImage& picture, QPointF a, QPointF b, int thickness, QRgb colour) {
  const Pixels p = PixelsOf(picture);
  if (std::abs(b.x() - a.x()) >= std::abs(b.y() - a.y()))
    Walk<false>(p, a, b, thickness, colour);
  else
    Walk<true>(p, Swapped(a), Swapped(b), thickness, colour);
}

void StampMark(QImage& picture, const QImage& mark, QPoint at, QRgb colour) {
  const Pixels p = PixelsOf(picture);
  const qreal ratio = picture.devicePixelRatio();
  for (int v = 0; v < mark.height(); ++v) {
    const QRgb* line = reinterpret_cast<const QRgb*>(mark.constScanLine(v));
    const int y0 = static_cast<int>(std::lround((at.y() + v) * ratio));
    const int y1 = static_cast<int>(std::lround((at.y() + v + 1) * ratio));
    for (int u = 0; u < mark.width(); ++u) {
      if (qAlpha(line[u]) == 0)
        continue;
      const int x0 = static_cast<int>(std::lround((at.x() + u) * ratio));
      const int x1 = static_cast<int>(std::lround((at.x() + u + 1) * ratio));
      for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x)
          p.Set(x, y, colour);
      }
    }
  }
}

}  // namespace tw
