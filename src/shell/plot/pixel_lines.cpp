#include "shell/plot/pixel_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

namespace tw {
namespace {

// The rows of a 32-bit picture and its bounds.
struct Pixels {
  uchar* bits;
  qsizetype stride;
  int width, height;
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
    const int row = static_cast<int>(minor >> 16) - (thickness - 1) / 2;
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

std::vector<MarkRun> OpaqueRuns(const QImage& mark) {
  const QImage argb = mark.convertToFormat(QImage::Format_ARGB32);
  std::vector<MarkRun> runs;
  for (int v = 0; v < argb.height(); ++v) {
    const QRgb* line = reinterpret_cast<const QRgb*>(argb.constScanLine(v));
    for (int u = 0; u < argb.width();) {
      if (qAlpha(line[u]) == 0) {
        ++u;
        continue;
      }
      const int from = u;
      while (u < argb.width() && qAlpha(line[u]) != 0)
        ++u;
      runs.push_back({v, from, u});
    }
  }
  return runs;
}

void StampMark(QImage& picture, const std::vector<MarkRun>& mark, QPoint at, QRgb colour) {
  const Pixels p = PixelsOf(picture);
  const qreal ratio = picture.devicePixelRatio();
  // Whole ratios, the common ones, without rounding.
  const int whole = ratio == std::floor(ratio) ? static_cast<int>(ratio) : 0;
  const auto device = [ratio, whole](int v) {
    return whole ? v * whole : static_cast<int>(std::floor(v * ratio + 0.5));
  };
  for (const MarkRun& run : mark) {
    const int top = std::max(device(at.y() + run.row), 0);
    const int bottom = std::min(device(at.y() + run.row + 1), p.height);
    const int left = std::max(device(at.x() + run.from), 0);
    const int right = std::min(device(at.x() + run.to), p.width);
    for (int y = top; y < bottom; ++y)
      std::fill(reinterpret_cast<QRgb*>(p.bits + y * p.stride) + left,
                reinterpret_cast<QRgb*>(p.bits + y * p.stride) + std::max(left, right), colour);
  }
}

}  // namespace tw
