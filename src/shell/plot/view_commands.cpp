#include "shell/plot/view_commands.h"

#include <QAction>
#include <algorithm>

#include "geometry/bearing_forms.h"
#include "geometry/corner_walk.h"
#include "plat/corner_labels.h"
#include "plat/zoom_to_fit.h"
#include "program/plot.h"
#include "settings/view_settings.h"
#include "shell/plot/plot_moves.h"
#include "shell/window/cp1252.h"
#include "shell/window/main_window.h"

namespace tw {
namespace {

QAction* CheckItem(const MenuPlace& place, const char* name, const char* caption, bool on) {
  QAction* item = place.AddItem(name, caption);
  item->setCheckable(true);
  item->setChecked(on);
  return item;
}

}  // namespace

PlotLabels ScreenLabels(const BoundaryDrawing& d, double label_size) {
  PlotLabels labels;
  for (const BoundaryLine& line : d.lines) {
    if (line.closing && d.kind == EntryKind::Angle)
      continue;  // the misclosure is not an entered line
    const Offsets out = OuterNormal(d, line);
    labels.lines.push_back({line.from, line.to, out, FromCp1252(line.text), std::nullopt});
  }
  if (d.corners.empty())
    return labels;
  const PlanePoint mean = CornerMean(d.corners);
  const size_t count = NumberedCorners(d, label_size);
  for (size_t i = 0; i < count; ++i) {
    const PlanePoint c = d.corners[i];
    const PlanePoint out = OutwardOf(c, mean);
    labels.corners.push_back({c, {out.east, out.north}, QString::number(i + 1)});
  }
  return labels;
}

void LabelCurves(const EntryList& entries, PlotLabels& labels) {
  const EntryTexts& texts = entries.Entries();
  // A list of lines alone is not walked again after every command.
  if (entries.Empty() || KindOf(entries.At(0)) != EntryKind::Angle ||
      std::none_of(texts.begin(), texts.end(), IsCurveEntry))
    return;
  (void)WalkEntries(texts, EntryKind::Angle, PlanePoint{}, [&](const CornerStep& s) {
    if (!s.is_curve || s.index >= labels.lines.size())
      return;
    const CurveElements& e = s.arc;
    const PlanePoint from = StartOf(s);
    PlotLabels::Line& line = labels.lines[s.index];
    line.text = "R " + FromCp1252(FixedForm(e.radius)) + " " + QChar(0x394) + " " +
                FromCp1252(AngleForm(e.delta * 180 / kAngleConstant)) + " L " +
                FromCp1252(FixedForm(e.arc));
    line.arc = PlotLabels::Line::Arc{{from.east + e.to_centre.east, from.north + e.to_centre.north},
                                     e.radius,
                                     ArcStartAngle(e),
                                     ArcSweep(e)};
  });
}

ViewCommands::ViewCommands(MainWindow& window)
    : QObject(&window), window_(window), surface_(window.plot()) {
  const ViewSettings stored = ReadViewSettings(window.settingsFile());
  const MenuPlace& view = window.menuPlaces().view;
  view.AddSeparator("mnuViewSeparator1");
  mnuZoomToFit = view.AddItem("mnuZoomToFit", "Zoom to Fit");
  mnuZoomToFit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  mnuEqualScales = CheckItem(view, "mnuEqualScales", "Equal Scales", stored.equal_scales);
  mnuLabels = CheckItem(view, "mnuLabels", "Line Labels", stored.labels);
  connect(mnuEqualScales, &QAction::triggered, this, &ViewCommands::EqualScales_Click);
  connect(mnuZoomToFit, &QAction::triggered, this, &ViewCommands::ZoomToFit_Click);
  connect(mnuLabels, &QAction::triggered, this, &ViewCommands::Labels_Click);
  connect(&window, &MainWindow::commandFinished, this, &ViewCommands::RefreshLabels);
  surface_.SetEqualScales(stored.equal_scales);
  auto* moves = new PlotMoves(window.program(), surface_, this);
  connect(moves, &PlotMoves::zoomed, this, &ViewCommands::RefreshLabels);
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
  if (!drawing) {
    surface_.SetLabels({});
    return;
  }
  PlotLabels labels = ScreenLabels(*drawing, surface_.LabelSizeInUnits());
  LabelCurves(window_.program().entries, labels);
  surface_.SetLabels(std::move(labels));
}

}  // namespace tw
