// Lines and marks written straight into a 32-bit picture's pixels. A long
// line through the painter costs a pen change and a trip through its
// rasteriser each time; a boundary of a hundred thousand lines across the
// plot spends most of its redraw there.
#pragma once

#include <QImage>
#include <QPointF>
#include <vector>

namespace tw {

// A line `thickness` pixels wide, as that many one-pixel lines side by side
// across its shorter direction, about the line (the extra one of an even
// number below or right of it). a and b are in the picture's pixels (device
// pixels), and both end pixels are set.
// Pixels outside the picture are left out, so the ends may lie a little
// beyond it; the caller cuts longer lines first.
void DrawPixelLine(QImage& picture, QPointF a, QPointF b, int thickness, QRgb colour);

// A mark's opaque pixels, as runs along its rows (device-independent
// pixels from its upper-left corner).
struct MarkRun {
  int row, from, to;  // to: one past the run's last pixel
};
std::vector<MarkRun> OpaqueRuns(const QImage& mark);

// Sets, in the colour, the pixels under a mark drawn with its upper-left
// corner at `at` (device-independent pixels); at a pixel ratio above 1 each
// of the mark's pixels covers a block, as the painter draws an image of
// ratio 1.
void StampMark(QImage& picture, const std::vector<MarkRun>& mark, QPoint at, QRgb colour);

}  // namespace tw
