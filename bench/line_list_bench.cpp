// The line list at a million entries, through the window offscreen: the list
// replaced (as Open does) and one entry appended (as an add does), each with
// the command's selection applied, the events handled and the window painted.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <string>
#include <vector>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "shell/window/main_window.h"

namespace {

struct Window {
  Window() : window(messages, folder.File("Quadrell.ini")) {
    window.SelectModeOption(tw::ModeOption::Surveyor);
    window.setWindowState(Qt::WindowNoState);
    window.resize(1280, 800);
    window.show();
    Settle();
  }
  // What the user waits for: the delayed layouts and the queued selection
  // handled, then the window painted as the screen's next frame would.
  void Settle() {
    QCoreApplication::processEvents();
    window.repaint();
  }
  tw::test::ScratchFolder folder;
  tw::test::RecordingMessageBox messages;
  tw::MainWindow window;
};

std::vector<std::string> BearingLines(int n) {
  std::vector<std::string> entries;
  entries.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i)
    entries.push_back("NE " + std::to_string(10 + i % 80) + "\xB0" + "30'15'' @0.5LF");
  return entries;
}

// The whole list replaced and the walk's last entry selected.
void BM_ReplaceLineList(benchmark::State& state) {
  Window w;
  const std::vector<std::string> lines = BearingLines(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> copy = lines;
    state.ResumeTiming();
    w.window.program().entries.Replace(std::move(copy));
    w.window.program().entries.SelectLast();
    w.window.FinishCommand();
    w.Settle();
  }
}
BENCHMARK(BM_ReplaceLineList)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(7);

// One entry appended to a list of n and selected.
void BM_AppendToLineList(benchmark::State& state) {
  Window w;
  w.window.program().entries.Replace(BearingLines(static_cast<int>(state.range(0))));
  w.window.FinishCommand();
  w.Settle();
  for (auto _ : state) {
    w.window.program().entries.Append(
        "SW 80\xB0"
        "10'00'' @0.4LF");
    w.window.program().entries.SelectLast();
    w.window.FinishCommand();
    w.Settle();
  }
}
BENCHMARK(BM_AppendToLineList)
    ->Arg(1000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(40);

}  // namespace
