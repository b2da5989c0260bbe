// The window's commands at the sizes it is held to, offscreen, through the
// window as the program assembles it: the real plot surface, line list and
// log. Boundaries are star polygons zoomed to fit, so their lines cross the
// plot, and each command is timed until the window has painted and laid out.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <string>

#include "bench_window.h"
#include "boundary/curve_entry.h"
#include "shell/closure/closure_dialog.h"
#include "shell/plot/plot_surface.h"

namespace {

using tw::bench::BenchWindow;
using tw::bench::SettleWindow;

// The list replaced and zoomed to fit, as after opening a file.
void Load(BenchWindow& w, std::vector<std::string> entries) {
  w.window.program().entries.Replace(std::move(entries));
  w.Trigger("mnuZoomToFit");
  SettleWindow();
}

// Short lines in a repeating pattern, for the closure analysis.
std::vector<std::string> BearingLines(int n) {
  static const char* const kLines[] = {
      "NE 45\xB0"
      "30'15'' @0.5LF",
      "SE 10\xB0"
      "00'00'' @0.7LF",
      "SW 80\xB0"
      "10'00'' @0.4LF",
      "NW 20\xB0"
      "00'30'' @0.6LF"};
  std::vector<std::string> entries;
  for (int i = 0; i < n; ++i)
    entries.push_back(kLines[i % 4]);
  return entries;
}

// One more point on a star of n (n grows by one an iteration, a few dozen
// in all): the full replot, n + 1 closure lines, the area, the painting.
void BM_AddPoint(benchmark::State& state) {
  BenchWindow w(tw::ModeOption::Point);
  Load(w, tw::bench::StarPoints(static_cast<int>(state.range(0))));
  auto* x = w.Get<QLineEdit>("txtPtX");
  auto* y = w.Get<QLineEdit>("txtPtY");
  auto* add = w.Get<QPushButton>("cmdPOINTAddLine");
  for (auto _ : state) {
    x->setText("12.5");
    y->setText("-7");
    add->click();
    SettleWindow();
  }
}
BENCHMARK(BM_AddPoint)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(40);

// Re-Draw of a star of n bearing lines with its n closure lines in the log,
// painted; the star fits the starting extent that Re-Draw returns to.
void BM_RedrawBoundary(benchmark::State& state) {
  BenchWindow w;
  Load(w, tw::bench::StarBearings(static_cast<int>(state.range(0))));
  auto* redraw = w.Get<QPushButton>("cmdRedraw");
  for (auto _ : state) {
    redraw->click();
    SettleWindow();
  }
}
BENCHMARK(BM_RedrawBoundary)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same Re-Draw with every other line of the star a curve on its chord.
void BM_RedrawCurves(benchmark::State& state) {
  BenchWindow w;
  Load(w, tw::bench::StarCurves(static_cast<int>(state.range(0))));
  auto* redraw = w.Get<QPushButton>("cmdRedraw");
  for (auto _ : state) {
    redraw->click();
    SettleWindow();
  }
}
BENCHMARK(BM_RedrawCurves)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

// The plot held and dragged over a star of n bearing lines zoomed to fit:
// each iteration is one pass of the event loop in which the pointer moved
// `moves` times (a fast hand outruns the redraw), then the redraw and the
// painting. However many moves a pass brings, it costs one frame.
void BM_DragPlot(benchmark::State& state) {
  BenchWindow w;
  Load(w, tw::bench::StarBearings(static_cast<int>(state.range(0))));
  const int moves = static_cast<int>(state.range(1));
  auto* plot = w.Get<tw::PlotSurface>("pbDrawing");
  auto send = [plot](QEvent::Type type, QPointF at, Qt::MouseButtons held) {
    QMouseEvent event(type, at, plot->mapToGlobal(at),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(plot, &event);
  };
  QPointF at(plot->width() / 2.0, plot->height() / 2.0);
  send(QEvent::MouseButtonPress, at, Qt::LeftButton);
  double step = 3;
  bool moved = false;
  for (auto _ : state) {
    for (int i = 0; i < moves; ++i) {
      at += QPointF(step, step / 3);
      send(QEvent::MouseMove, at, Qt::LeftButton);
    }
    step = -step;  // back and forth, so the star stays in view
    SettleWindow();
    moved |= w.window.program().state.PlotCentreX != 0;
  }
  send(QEvent::MouseButtonRelease, at, Qt::NoButton);
  if (!moved)
    state.SkipWithError("not dragged");
}
BENCHMARK(BM_DragPlot)
    ->Args({100000, 1})
    ->Args({100000, 20})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

// One more bearing line on a star of n, across the plot and back again,
// painted.
void BM_AddBearingLine(benchmark::State& state) {
  BenchWindow w;
  Load(w, tw::bench::StarBearings(static_cast<int>(state.range(0))));
  auto* direction = w.Get<QComboBox>("cmbDirections");
  auto* degrees = w.Get<QLineEdit>("TxtDegrees");
  auto* length = w.Get<QLineEdit>("txtLength");
  auto* add = w.Get<QPushButton>("cmdAddLine");
  bool out = true;
  for (auto _ : state) {
    direction->setCurrentText(out ? "NE" : "SW");
    out = !out;
    degrees->setText("45");
    length->setText("150");
    add->click();
    SettleWindow();
  }
  if (w.window.program().entries.Count() != static_cast<size_t>(state.range(0) + 50))
    state.SkipWithError("not added");
}
BENCHMARK(BM_AddBearingLine)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

// One more curve on a star of n with half its lines curves, typed into the
// curve boxes as a chord on a chord bearing, across the plot and back again,
// previewed as the boxes fill and painted.
void BM_AddCurve(benchmark::State& state) {
  BenchWindow w;
  Load(w, tw::bench::StarCurves(static_cast<int>(state.range(0))));
  w.Get<QCheckBox>("chkCurve")->setChecked(true);
  w.Get<QComboBox>("cmbCurveSize")->setCurrentIndex(static_cast<int>(tw::CurveSize::Chord));
  w.Get<QComboBox>("cmbCurveAim")->setCurrentIndex(static_cast<int>(tw::CurveAim::ChordBearing));
  SettleWindow();
  auto* quadrant = w.Get<QComboBox>("cmbCurveQuadrant");
  auto* radius = w.Get<QLineEdit>("txtRadius");
  auto* chord = w.Get<QLineEdit>("txtCurveLength");
  auto* degrees = w.Get<QLineEdit>("txtCurveDegrees");
  auto* add = w.Get<QPushButton>("cmdAddLine");
  bool out = true;
  for (auto _ : state) {
    quadrant->setCurrentText(out ? "NE" : "SW");
    out = !out;
    radius->setText("100");
    chord->setText("150");
    degrees->setText("45");
    add->click();
    SettleWindow();
  }
  if (w.window.program().entries.Count() != static_cast<size_t>(state.range(0) + 50))
    state.SkipWithError("not added");
}
BENCHMARK(BM_AddCurve)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(50);

// The closure dialog's refresh after one more line on a list of n: the
// analysis, both tables and the findings; the 20 lines added take the list
// to 100,000, the most the blunder search follows live. Argument 1: the
// boundary does not close, so the search runs with every line; argument 0:
// it closes, and the standard is met.
void BM_ClosureDialogRefresh(benchmark::State& state) {
  BenchWindow w;
  const int n = static_cast<int>(state.range(0));
  std::vector<std::string> entries = BearingLines(n);
  if (state.range(1) == 0) {
    static const char* const kSquare[] = {
        "NE 90\xB0"
        "00'00'' @0.5LF",
        "SE 00\xB0"
        "00'00'' @0.5LF",
        "SW 90\xB0"
        "00'00'' @0.5LF",
        "NW 00\xB0"
        "00'00'' @0.5LF"};
    for (int i = 0; i < n; ++i)
      entries[static_cast<size_t>(i)] = kSquare[i % 4];
  }
  w.window.program().entries.Replace(std::move(entries));
  tw::ClosureCommands& commands = *w.commands.closure;
  commands.ShowDialog();
  SettleWindow();
  for (auto _ : state) {
    state.PauseTiming();
    // Short enough that a closed boundary stays within the standard.
    w.window.program().entries.Append(
        "NE 45\xB0"
        "30'15'' @0.01LF");
    state.ResumeTiming();
    commands.Dialog()->Follow();
    SettleWindow();
  }
  state.counters["searched"] = commands.Dialog()->Shown()->blunders_searched;
}
BENCHMARK(BM_ClosureDialogRefresh)
    ->Args({100000 - 20, 0})
    ->Args({100000 - 20, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace

namespace {

// The plot surface alone, at the plot's size in the benches' window: a star
// of n lines two pixels wide, and the picture they make.
void BM_PlotStarLines(benchmark::State& state) {
  BenchWindow w;
  auto* shown = w.Get<tw::PlotSurface>("pbDrawing");
  tw::PlotSurface surface;
  surface.resize(shown->size());
  const std::vector<tw::bench::Corner2> star =
      tw::bench::StarCorners(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    surface.Clear();
    surface.SetScale(-300, 300, 300, -300);
    surface.SetPenWidth(2);
    for (const tw::bench::Corner2& c : star)
      surface.LineTo(c.x, c.y, std::nullopt);
    benchmark::DoNotOptimize(surface.Picture());
  }
  state.counters["width"] = surface.width();
  state.counters["height"] = surface.height();
}
BENCHMARK(BM_PlotStarLines)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
