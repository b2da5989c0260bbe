// The running log at a million lines, offscreen: the time to take the lines
// and show the last of them, and the memory each further million adds.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cstdio>
#include <string>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "program/log.h"
#include "program/plot.h"
#include "shell/window/log_box.h"
#include "shell/window/main_window.h"

namespace {

double ResidentMiB() {
  long size = 0;
  long pages = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &size, &pages) != 2)
      pages = 0;
    std::fclose(f);
  }
  return static_cast<double>(pages) * 4096.0 / (1024.0 * 1024.0);
}

void ShowAll() {
  for (int i = 0; i < 3; ++i)
    QCoreApplication::processEvents();
}

// n closure lines appended to a box the size of the window's log, the flush
// that ends the command and the paint of the last lines. The box lives on
// through the repetitions (and is never freed), so each adds to what the
// last left.
void BM_LogAppendFlushPaint(benchmark::State& state) {
  static tw::LogBox* const kBox = [] {
    auto* box = new tw::LogBox;
    box->resize(1260, 49);
    box->show();
    ShowAll();
    return box;
  }();
  tw::LogBox& box = *kBox;
  const int n = static_cast<int>(state.range(0));
  double added = 0;
  for (auto _ : state) {
    const double before = ResidentMiB();
    for (int i = 0; i < n; ++i)
      tw::LogClosure(box, i * 0.001);
    box.Flush();
    ShowAll();
    added += ResidentMiB() - before;
  }
  state.counters["MiB_added_per_run"] = added / static_cast<double>(state.iterations());
}
BENCHMARK(BM_LogAppendFlushPaint)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

struct Window {
  explicit Window(int n) : window(messages, folder.File("Quadrell.ini")) {
    window.setWindowState(Qt::WindowNoState);
    window.resize(1280, 800);
    window.show();
    std::vector<std::string> entries;
    for (int i = 0; i < n; ++i)
      entries.push_back(i % 2 ? "NE 45\xB0"
                                "30'15'' @0.5LF"
                              : "SW 44\xB0"
                                "10'00'' @0.5LF");
    window.program().entries.Replace(std::move(entries));
    window.FinishCommand();
    ShowAll();
  }
  tw::test::ScratchFolder folder;
  tw::test::RecordingMessageBox messages;
  tw::MainWindow window;
};

// A redraw of n bearing entries in the window, painted: what each further
// redraw leaves behind, the log's closure lines above all. One window for
// all repetitions, never freed.
void BM_WindowRedrawMemory(benchmark::State& state) {
  static Window* const kWindow = new Window(static_cast<int>(state.range(0)));
  tw::MainWindow& window = kWindow->window;
  double added = 0;
  for (auto _ : state) {
    const double before = ResidentMiB();
    benchmark::DoNotOptimize(tw::RedrawBoundary(window.program()));
    window.FinishCommand();
    ShowAll();
    added += ResidentMiB() - before;
  }
  state.counters["MiB_added_per_redraw"] = added / static_cast<double>(state.iterations());
}
BENCHMARK(BM_WindowRedrawMemory)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
