// The closure analysis of a 1,000,000-line boundary: figures and adjustment
// (goal under 300 ms), and with the blunder search (goal under 3 s). The
// boundary does not close, so the search tries every mistake on every line.
#include <benchmark/benchmark.h>

#include <span>
#include <string>
#include <vector>

#include "bench_entries.h"
#include "closure/adjustment.h"
#include "closure/closure_analysis.h"

namespace tw {
namespace {

// Quadrants, angles and distances vary so that every entry takes the whole
// reading path and every kind of trial applies; distances have one to four
// decimals, as keyed from deeds.
std::string BearingEntry(int i) {
  std::string e = bench::QuadrantOf(i);
  e += ' ' + bench::TwoDigits(i % 90) + '\xB0' + bench::TwoDigits(i * 13 % 60) + '\'' +
       bench::TwoDigits(i * 7 % 60) + "'' @";
  e += std::to_string(10 + i % 997) + "." + std::to_string(1 + i % 9999);
  e += "LF";
  return e;
}

EntryList ListOf(int n) {
  std::vector<std::string> entries;
  entries.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i)
    entries.push_back(BearingEntry(i));
  EntryList list;
  list.Replace(std::move(entries));
  return list;
}

void Analyse(benchmark::State& state, bool find_blunders) {
  const EntryList list = ListOf(static_cast<int>(state.range(0)));
  const std::span<const AdjustMethodRow> methods = AdjustMethods();
  const auto row = static_cast<size_t>(state.range(1));
  if (row >= methods.size()) {
    state.SkipWithError("no such method");
    return;
  }
  state.SetLabel(std::string(methods[row].key));
  ClosureOptions options;
  options.method = methods[row].method;
  options.find_blunders = find_blunders;
  for (auto _ : state) {
    const Result<ClosureAnalysis> a = AnalyseClosure(list, ProgramState{}, options);
    benchmark::DoNotOptimize(a->adjustment->value().area);
    benchmark::DoNotOptimize(a->blunders.size());
  }
}

void BM_FiguresAndAdjustment(benchmark::State& state) {
  Analyse(state, false);
}

void BM_WithBlunderSearch(benchmark::State& state) {
  Analyse(state, true);
}

// Arguments: lines, and the method's row in the methods table.
BENCHMARK(BM_FiguresAndAdjustment)
    ->Args({1000000, 0})
    ->Args({1000000, 1})
    ->Args({1000000, 2})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WithBlunderSearch)->Args({1000000, 0})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw

BENCHMARK_MAIN();
