#include "shell/plot/plot_moves.h"

#include <cmath>

#include "program/plot.h"

namespace tw {
namespace {

Corner CornerOf(QPointF p) {
  return {p.x(), p.y()};
}

}  // namespace

PlotMoves::PlotMoves(Program& program, PlotSurface& surface, QObject* parent)
    : QObject(parent), program_(program), surface_(surface) {
  redraw_.setSingleShot(true);
  redraw_.setInterval(0);
  connect(&redraw_, &QTimer::timeout, this, &PlotMoves::RedrawNow);
  connect(&surface, &PlotSurface::dragged, this, &PlotMoves::Drag);
  connect(&surface, &PlotSurface::wheelTurned, this, &PlotMoves::Turn);
}

// Only the difference of the two points counts, and a pending redraw moves
// the view but not the scale: the picture on screen may lag behind.
void PlotMoves::Drag(QPointF from, QPointF to) {
  const std::optional<QPointF> grabbed = surface_.UserPoint(from);
  const std::optional<QPointF> under = surface_.UserPoint(to);
  if (!grabbed || !under)
    return;
  DragView(program_.state, CornerOf(*grabbed), CornerOf(*under));
  RedrawLater();
}

// The point under the cursor must be read from the view as it now is.
void PlotMoves::Turn(QPointF at, double notches) {
  if (redraw_.isActive())
    RedrawNow();
  const std::optional<QPointF> point = surface_.UserPoint(at);
  if (!point)
    return;
  ZoomViewAbout(program_.state, CornerOf(*point), std::pow(kNotchZoom, -notches));
  RedrawLater();
}

void PlotMoves::RedrawLater() {
  if (!redraw_.isActive())
    redraw_.start();
}

// The commands keep unreadable entries out of the list; were one there, the
// command that put it there has said so, and a move of the view draws what
// comes before it without saying so again.
void PlotMoves::RedrawNow() {
  redraw_.stop();
  (void)RedrawView(program_);
}

}  // namespace tw
