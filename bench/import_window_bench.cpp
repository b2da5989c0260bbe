// Files read through the window, offscreen, as the program assembles it:
// a point file through the import dialog, and a project file through Open,
// each replacing the list, replotted with its closure lines in the log.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "bench_window.h"

namespace {

using tw::bench::BenchWindow;
using tw::bench::SettleWindow;

constexpr int kPointLines = 100000;

// A star polygon's corners, so that the replot draws lines across the plot.
std::string PointFile() {
  std::string bytes;
  int number = 0;
  for (const tw::bench::Corner2& c : tw::bench::StarCorners(kPointLines)) {
    bytes += std::to_string(++number) + ", " + tw::bench::Fixed(c.y, 3) + ", " +
             tw::bench::Fixed(c.x, 3) + ", 101.3, corner\r\n";
  }
  return bytes;
}

// Import Points.. to the imported boundary painted.
void BM_ImportPointFile(benchmark::State& state) {
  BenchWindow w;
  tw::test::WriteBytes(w.folder.File("points.txt"), PointFile());
  for (auto _ : state) {
    w.dialog.answers.push_back(w.folder.File("points.txt"));
    w.files->ChoosePointFile();
    w.files->ImportDialog()->findChild<QPushButton*>("CmdImport")->click();
    SettleWindow();
  }
  if (w.window.program().entries.Count() != kPointLines || !w.messages.shown.empty())
    state.SkipWithError("not imported");
}
BENCHMARK(BM_ImportPointFile)->Unit(benchmark::kMillisecond)->Iterations(5);

// File > Open.. of a project file of n bearing entries written by
// make_project.py: from the dialog's answer to the first zero-timer event the
// window handles after it, the moment it answers the user again. Counters:
// the process's peak memory after the first open, and what each further
// Re-Draw adds to the peak and to the resident memory; the time's median.
void BM_OpenProject(benchmark::State& state) {
  BenchWindow w;
  const std::string file = w.folder.File("big.twc");
  const std::string make = std::string("python3 ") + TW_BENCH_DIR + "/make_project.py surveyor " +
                           std::to_string(state.range(0)) + " " + file;
  if (std::system(make.c_str()) != 0 || !std::filesystem::exists(file)) {
    state.SkipWithError("make_project.py failed");
    return;
  }
  double peak_after_open = 0;
  std::vector<double> seconds;
  for (auto _ : state) {
    QEventLoop loop;
    std::unique_ptr<tw::bench::ZeroTimer> marker;
    w.dialog.answers.push_back(file);
    w.dialog.on_answer = [&] { marker = std::make_unique<tw::bench::ZeroTimer>(loop); };
    QTimer::singleShot(0, [&] { w.Trigger("mnuFileOpen"); });
    loop.exec();
    seconds.push_back(std::chrono::duration<double>(marker->fired - w.dialog.answered).count());
    state.SetIterationTime(seconds.back());
    SettleWindow();
    if (peak_after_open == 0)
      peak_after_open = tw::bench::PeakRssMiB();
  }
  if (w.window.program().entries.Count() != static_cast<size_t>(state.range(0)) ||
      !w.messages.shown.empty()) {
    state.SkipWithError("not opened");
    return;
  }
  constexpr int kRedraws = 3;
  const double peak_before = tw::bench::PeakRssMiB();
  const double rss_before = tw::bench::RssMiB();
  for (int i = 0; i < kRedraws; ++i) {
    w.Get<QPushButton>("cmdRedraw")->click();
    SettleWindow();
  }
  std::sort(seconds.begin(), seconds.end());
  state.counters["median_ms"] = seconds[seconds.size() / 2] * 1000;
  state.counters["peak_MiB"] = peak_after_open;
  state.counters["redraw_peak_MiB"] = (tw::bench::PeakRssMiB() - peak_before) / kRedraws;
  state.counters["redraw_rss_MiB"] = (tw::bench::RssMiB() - rss_before) / kRedraws;
}
BENCHMARK(BM_OpenProject)
    ->Arg(1000000)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
