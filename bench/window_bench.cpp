// The window's commands at the sizes it is held to, offscreen: the real
// plot surface, line list and log box, driven through the add buttons.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <string>

#include "boundary/plot.h"
#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "shell/closure_dialog.h"
#include "shell/main_window.h"

namespace {

struct Window {
  explicit Window(const std::string& mode) : window(messages, folder.File("Quadrell.ini")) {
    window.SelectModeOption(mode == "Point" ? tw::ModeOption::Point : tw::ModeOption::Surveyor);
    window.setWindowState(Qt::WindowNoState);
    window.resize(1280, 800);
    window.show();
    QCoreApplication::processEvents();
  }
  template <class T = QWidget>
  T* Get(const char* name) {
    return window.findChild<T*>(name);
  }
  tw::test::ScratchFolder folder;
  tw::test::RecordingMessageBox messages;
  tw::MainWindow window;
};

// Points on a circle, so every redraw draws every segment on the surface.
std::vector<std::string> CirclePoints(int n) {
  std::vector<std::string> entries;
  for (int i = 0; i < n; ++i) {
    const double a = 6.283185307179586 * i / n;
    entries.push_back(std::to_string(200 * std::cos(a)) + " , " +
                      std::to_string(200 * std::sin(a)));
  }
  return entries;
}

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

// One more point on a list of n (n grows by one an iteration, a few dozen in
// all): the full replot, n + 1 closure lines, the area.
void BM_AddPoint(benchmark::State& state) {
  Window w("Point");
  const int n = static_cast<int>(state.range(0));
  w.window.program().entries.Replace(CirclePoints(n));
  w.window.FinishCommand();
  auto* x = w.Get<QLineEdit>("txtPtX");
  auto* y = w.Get<QLineEdit>("txtPtY");
  auto* add = w.Get<QPushButton>("cmdPOINTAddLine");
  for (auto _ : state) {
    x->setText("12.5");
    y->setText("-7");
    add->click();
  }
}
BENCHMARK(BM_AddPoint)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(40);

// RedrawBoundary of n bearing entries into the real surface, with its n
// closure lines shown in the log.
void BM_RedrawBoundary(benchmark::State& state) {
  Window w("Surveyor");
  const int n = static_cast<int>(state.range(0));
  w.window.program().entries.Replace(BearingLines(n));
  w.window.FinishCommand();
  for (auto _ : state) {
    benchmark::DoNotOptimize(tw::RedrawBoundary(w.window.program()));
    w.window.FinishCommand();
  }
}
BENCHMARK(BM_RedrawBoundary)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(10);

// One more bearing line on a list of n: one line drawn, one entry read for
// the area (n grows by one an iteration).
void BM_AddBearingLine(benchmark::State& state) {
  Window w("Surveyor");
  const int n = static_cast<int>(state.range(0));
  w.window.program().entries.Replace(BearingLines(n));
  benchmark::DoNotOptimize(tw::RedrawBoundary(w.window.program()));
  w.window.FinishCommand();
  auto* degrees = w.Get<QLineEdit>("TxtDegrees");
  auto* length = w.Get<QLineEdit>("txtLength");
  auto* add = w.Get<QPushButton>("cmdAddLine");
  for (auto _ : state) {
    degrees->setText("45");
    length->setText("0.5");
    add->click();
  }
}
BENCHMARK(BM_AddBearingLine)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(50);

// The closure dialog's refresh after one more line on a list of n: the
// analysis, both tables and the findings; the 20 lines added take the list
// to 100,000, the most the blunder search follows live. Argument 1: the
// boundary does not close, so the search runs with every line; argument 0:
// it closes, and the standard is met.
void BM_ClosureDialogRefresh(benchmark::State& state) {
  Window w("Surveyor");
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
  tw::test::ScriptedFileDialog files;
  tw::ClosureCommands commands(w.window, files);
  commands.ShowDialog();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    state.PauseTiming();
    // Short enough that a closed boundary stays within the standard.
    w.window.program().entries.Append(
        "NE 45\xB0"
        "30'15'' @0.01LF");
    state.ResumeTiming();
    commands.Dialog()->Follow();
  }
  state.counters["searched"] = commands.Dialog()->Shown()->blunders_searched;
}
BENCHMARK(BM_ClosureDialogRefresh)
    ->Args({100000 - 20, 0})
    ->Args({100000 - 20, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20);

}  // namespace
