// The core's share of the three costly commands, with no picture and a log
// that only counts: what is left when the window's widgets are taken away.
#include <benchmark/benchmark.h>

#include <string>

#include "bench_entries.h"
#include "entry/entry_commands.h"
#include "program/plot.h"

namespace tw {
namespace {

// Keeps only the size of what is logged: a string log would grow across the
// iterations and time its own reallocations.
class CountingLog : public LogSink {
 public:
  void Append(std::string_view text) override { bytes_ += text.size(); }

 private:
  size_t bytes_ = 0;
};

// Quadrants and angles vary so that every entry takes the whole reading path.
std::string BearingEntry(int i) {
  std::string e = bench::QuadrantOf(i);
  e += ' ';
  e += std::to_string(10 + i % 80);
  e += '\xB0';
  e += std::to_string(10 + i % 50);
  e += '\'';
  e += std::to_string(10 + i % 49);
  e += "'' @";
  e += std::to_string(100 + i % 900) + "." + std::to_string(i % 10);
  e += "LF";
  return e;
}

std::string PointEntry(int i) {
  return std::to_string(1000 + i % 997) + "." + std::to_string(i % 10) + " , " +
         std::to_string(5000 - i % 991);
}

void BM_RedrawBoundary(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  NullSurface surface;
  CountingLog log;
  Program program{log, surface};
  for (int i = 0; i < n; ++i)
    program.entries.Append(BearingEntry(i));
  for (auto _ : state) {
    if (!RedrawBoundary(program))
      state.SkipWithError("unreadable entry");
  }
  state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_RedrawBoundary)->Arg(100000)->Unit(benchmark::kMillisecond);

// Adding one point replots the whole list and computes the area; the point
// is taken away again outside the timing, so n stays put.
void BM_AddPoint(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  NullSurface surface;
  CountingLog log;
  Program program{log, surface};
  EntryControls controls;
  controls.modes.optPoint.checked = true;
  for (int i = 0; i < n; ++i)
    program.entries.Append(PointEntry(i));
  for (auto _ : state) {
    PointFieldTexts fields{"1234.5", "4321.5"};
    if (AddPoint(program, controls, fields).kind != CommandOutcome::Kind::Added)
      state.SkipWithError("point not added");
    state.PauseTiming();
    program.entries.RemoveLast();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddPoint)->Arg(10000)->Unit(benchmark::kMillisecond);

// Adding a bearing line draws one line and reads that line for the area
// (the running figures); the list is drawn once before, as opening it does.
void BM_AddSurveyorLine(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  NullSurface surface;
  CountingLog log;
  Program program{log, surface};
  EntryControls controls;
  controls.modes.optSurveyor.checked = true;
  for (int i = 0; i < n; ++i)
    program.entries.Append(BearingEntry(i));
  if (!RedrawBoundary(program))
    state.SkipWithError("unreadable entry");
  for (auto _ : state) {
    SurveyorFields fields{"NE", "45", "30", "15", "100"};
    if (AddSurveyorLine(program, controls, fields).kind != CommandOutcome::Kind::Added)
      state.SkipWithError("line not added");
    state.PauseTiming();
    program.entries.RemoveLast();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_AddSurveyorLine)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw

BENCHMARK_MAIN();
