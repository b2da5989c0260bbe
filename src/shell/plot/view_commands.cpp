#include "shell/plot/view_commands.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <cmath>

#include "plat/zoom_to_fit.h"
#include "program/plot.h"
#include "settings/view_settings.h"
#include "shell/plot/plot_moves.h"
#include "shell/window/cp1252.h"
#include "shell/window/main_window.h"

namespace tw {
namespace {

QAction* CheckItem(QMenu* menu, const char* name, const char* caption, bool on) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  item->setCheckable(true);
  item->setChecked(on);
  return item;
}

PlanePoint Outward(PlanePoint c, PlanePoint centre) {
  const double dx = c.east - centre.east;
  const double dy = c.north - centre.north;
  const double length = std::hypot(dx, dy);
  return length > 0 ? PlanePoint{dx / length, dy / length} : PlanePoint{0, 1};
}

}  // namespace

PlotLabels ScreenLabels(const BoundaryDrawing& d) {
  PlotLabels labels;
  for (const BoundaryLine& line : d.lines) {
    if (line.closing && d.kind == EntryKind::Angle)
      continue;  // the misclosure is not an entered line
    const Offsets out = OuterNormal(d, line);
    labels.lines.push_back({line.from, line.to, out, FromCp1252(line.text)});
  }
  if (d.corners.empty())
    return labels;
  PlanePoint centre;
  for (const PlanePoint& c : d.corners) {
    centre.east += c.east / d.corners.size();
    centre.north += c.north / d.corners.size();
  }
  size_t count = d.corners.size();
  const bool misses_start = !d.lines.empty() && d.lines.back().closing;
  if (d.kind == EntryKind::Angle && !misses_start && count > 1)
    --count;  // the last corner is the start again
  for (size_t i = 0; i < count; ++i) {
    const PlanePoint c = d.corners[i];
    const PlanePoint out = Outward(c, centre);
    labels.corners.push_back({c, {out.east, out.north}, QString::number(i + 1)});
  }
  return labels;
}

ViewCommands::ViewCommands(MainWindow& window)
    : QObject(&window), window_(window), surface_(*window.findChild<PlotSurface*>("pbDrawing")) {
  const ViewSettings stored = ReadViewSettings(window.settingsFile());
  QMenu* view = window.menuBar()->findChild<QMenu*>("mnuView");
  view->addSeparator()->setObjectName("mnuViewSeparator1");
  mnuZoomToFit = view->addAction("Zoom to Fit");
  mnuZoomToFit->setObjectName("mnuZoomToFit");
  mnuZoomToFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  mnuEqualScales = CheckItem(view, "mnuEqualScales", "Equal Scales", stored.equal_scales);
  mnuLabels = CheckItem(view, "mnuLabels", "Line Labels", stored.labels);
  connect(mnuEqualScales, &QAction::triggered, this, &ViewCommands::EqualScales_Click);
  connect(mnuZoomToFit, &QAction::triggered, this, &ViewCommands::ZoomToFit_Click);
  connect(mnuLabels, &QAction::triggered, this, &ViewCommands::Labels_Click);
  connect(&window, &MainWindow::commandFinished, this, &ViewCommands::RefreshLabels);
  surface_.SetEqualScales(stored.equal_scales);
  new PlotMoves(window.program(), surface_, this);
  Replot();
}

void ViewCommands::Replot() {
  window_.Report(RedrawBoundary(window_.program()));
  window_.FinishCommand();
}

void ViewCommands::EqualScales_Click(bool on) {
  StoreEqualScales(on, window_.settingsFile());
  surface_.SetEqualScales(on);
  Replot();
}

void ViewCommands::ZoomToFit_Click() {
  window_.Report(ZoomToFit(window_.program()));
  window_.FinishCommand();
}

void ViewCommands::Labels_Click(bool on) {
  StoreLabels(on, window_.settingsFile());
  RefreshLabels();
}

void ViewCommands::RefreshLabels() {
  if (!mnuLabels->isChecked()) {
    surface_.SetLabels({});
    return;
  }
  const Result<BoundaryDrawing> drawing = DrawingOf(window_.program().entries);
  surface_.SetLabels(drawing ? ScreenLabels(*drawing) : PlotLabels{});
}

}  // namespace tw
