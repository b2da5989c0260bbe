// The View menu's Equal Scales, Zoom to Fit and Line Labels, attached to
// the main window's menu and plot, and the plot's drag and wheel.
#pragma once

#include <QObject>

#include "plat/boundary_drawing.h"
#include "shell/plot/plot_surface.h"

class QAction;

namespace tw {

class MainWindow;

// The screen labels of a boundary drawing: every entered line and corner,
// the corners numbered for labels `label_size` drawing units high.
PlotLabels ScreenLabels(const BoundaryDrawing& drawing, double label_size);

// Each curve's label, of the labels ScreenLabels made for a bearing list,
// becomes its radius, delta and arc length, set along its arc.
void LabelCurves(const EntryList& entries, PlotLabels& labels);

class ViewCommands : public QObject {
  Q_OBJECT

 public:
  // A child of the window; applies the stored choices and replots.
  explicit ViewCommands(MainWindow& window);

 public slots:
  void EqualScales_Click(bool on);
  void ZoomToFit_Click();
  void Labels_Click(bool on);
  // After every command: the labels follow the list.
  void RefreshLabels();

 private:
  void Replot();

  MainWindow& window_;
  PlotSurface& surface_;
  QAction *mnuEqualScales, *mnuZoomToFit, *mnuLabels;
};

}  // namespace tw
