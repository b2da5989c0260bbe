#include "shell/plot/plot_moves.h"

#include <cmath>
#include <utility>

#include "program/plot.h"

namespace tw {
namespace {

PlanePoint CornerOf(QPointF p) {
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

// Points are read from the view as it now is, which the picture on screen
// may not show yet.
void PlotMoves::Drag(QPointF from, QPointF to) {
  const PlotView view = ViewOf(program_.state);
  const std::optional<QPointF> grabbed = surface_.UserPoint(from, view);
  const std::optional<QPointF> under = surface_.UserPoint(to, view);
  if (!grabbed || !under)
    return;
  DragView(program_.state, CornerOf(*grabbed), CornerOf(*under));
  RedrawLater();
}

void PlotMoves::Turn(QPointF at, double notches) {
  const std::optional<QPointF> point = surface_.UserPoint(at, ViewOf(program_.state));
  if (!point)
    return;
  ZoomViewAbout(program_.state, CornerOf(*point), std::pow(kNotchZoom, -notches));
  zoomed_ = true;
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
  (void)RedrawView(program_);
  if (std::exchange(zoomed_, false))
    emit zoomed();
}

}  // namespace tw
