// Dragging the plot and turning the wheel over it: the view moves with the
// pointer, or zooms about the point under it, and nothing is logged.
#pragma once

#include <QObject>
#include <QPointF>
#include <QTimer>

#include "program/program.h"
#include "shell/plot/plot_surface.h"

namespace tw {

class PlotMoves : public QObject {
  Q_OBJECT

 public:
  // The program must draw on `surface`, and both must outlive this.
  PlotMoves(Program& program, PlotSurface& surface, QObject* parent = nullptr);

  // Each wheel notch away from the user shows the drawing this much larger.
  static constexpr double kNotchZoom = 1.25;

 signals:
  // Redrawn at a new scale: what is sized by it follows.
  void zoomed();

 private:
  void Drag(QPointF from, QPointF to);
  void Turn(QPointF at, double notches);
  // Every move changes the view at once; the picture follows once the event
  // loop has nothing else queued, so a fast pointer never waits on frames.
  void RedrawLater();
  void RedrawNow();

  Program& program_;
  PlotSurface& surface_;
  QTimer redraw_;
  bool zoomed_ = false;  // since the last redraw
};

}  // namespace tw
