// Area and closure of a whole list, the walk every add, undo, open and report
// repeats, against a bare loop that does the same arithmetic over the same
// strings with nothing but from_chars, two-digit arithmetic, cos and sin; and
// the same walk over lines with every other entry a curve, whose cost per
// entry is held against the lines'.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include "bench_entries.h"
#include "geometry/bearing.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

// Quadrants, angles and distances vary so that every entry takes the whole
// reading path; the distances have one to four decimals.
std::string BearingEntry(int i) {
  std::string e = bench::QuadrantOf(i);
  e += ' ' + bench::TwoDigits(i % 90) + '\xB0' + bench::TwoDigits(i % 60) + '\'' +
       bench::TwoDigits(i * 7 % 60) + "'' @";
  e += std::to_string(1 + i % 997) + "." + std::to_string(1 + i % 9999);
  e += i % 2 ? "LF" : "m.";
  return e;
}

// Both sides, the three sizes and the three directions in turn, radii of 20
// to 1016 and every size within the circle, so that every curve takes the
// whole reading and computing path. A tangent curve follows the line before.
std::string CurveEntry(int i) {
  const char* unit = i % 4 < 2 ? "LF" : "m.";
  std::string e = i % 2 ? "Curve right R " : "Curve left R ";
  e += std::to_string(20 + i % 997) + "." + bench::TwoDigits(i % 100) + unit;
  switch (i % 3) {
    case 0:
      e += " arc " + std::to_string(1 + i % 101) + ".5" + unit;
      break;
    case 1:
      e += " delta " + bench::TwoDigits(1 + i % 300) + '\xB0' + bench::TwoDigits(i % 60) + '\'' +
           bench::TwoDigits(i * 7 % 60) + "''";
      break;
    default:
      e += " chord " + std::to_string(1 + i % 39) + ".25" + unit;
      if (i % 5 == 0)
        e += " major";
  }
  switch (i / 3 % 3) {
    case 0:
      return e + " tangent";
    case 1:
      e += " CB ";
      break;
    default:
      e += " RB ";
  }
  return e + bench::QuadrantOf(i / 9) + ' ' + bench::TwoDigits(i % 90) + '\xB0' +
         bench::TwoDigits(i % 60) + '\'' + bench::TwoDigits(i * 7 % 60) + "''";
}

std::string PointEntry(int i) {
  return std::to_string(1000 + i % 997) + "." + std::to_string(i % 100) + " , " +
         std::to_string(5000 - i % 991) + "." + std::to_string(i % 7);
}

EntryList ListOf(bool bearings, int n) {
  std::vector<std::string> entries;
  entries.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i)
    entries.push_back(bearings ? BearingEntry(i) : PointEntry(i));
  EntryList list;
  list.Replace(std::move(entries));
  return list;
}

// Seconds per entry, shown as ns.
void CountEntries(benchmark::State& state, int n) {
  state.counters["per_entry"] = benchmark::Counter(
      n, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_CoreBearings(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const EntryList list = ListOf(true, n);
  const ProgramState program_state;
  for (auto _ : state) {
    const Result<BoundaryFigures> figures = ComputeFigures(list, program_state);
    benchmark::DoNotOptimize(figures->area);
    benchmark::DoNotOptimize(figures->closure);
  }
  CountEntries(state, n);
}

// Every other entry a curve: the walk that a rounded lot's list takes.
void BM_CoreHalfCurves(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  std::vector<std::string> entries;
  entries.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i)
    entries.push_back(i % 2 ? CurveEntry(i / 2) : BearingEntry(i));
  EntryList list;
  list.Replace(std::move(entries));
  const ProgramState program_state;
  const Result<BoundaryFigures> read = ComputeFigures(list, program_state);
  if (!read) {
    state.SkipWithError(read.error().c_str());
    return;
  }
  for (auto _ : state) {
    const Result<BoundaryFigures> figures = ComputeFigures(list, program_state);
    benchmark::DoNotOptimize(figures->area);
    benchmark::DoNotOptimize(figures->closure);
  }
  CountEntries(state, n);
}

void BM_CorePoints(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const EntryList list = ListOf(false, n);
  ProgramState program_state;
  program_state.FirstPointX = 1000;
  program_state.FirstPointY = 5000;
  for (auto _ : state) {
    const Result<BoundaryFigures> figures = ComputeFigures(list, program_state);
    benchmark::DoNotOptimize(figures->area);
    benchmark::DoNotOptimize(figures->closure);
  }
  CountEntries(state, n);
}

// The reference: no checks beyond what from_chars does, no error values.
// A 2-character angle field is two digits by the entry layout, converted by
// hand as the fastest loop would; only the distance needs from_chars.
double TwoDigits(std::string_view s) {
  return (s[0] - '0') * 10 + (s[1] - '0');
}

double ParseBare(std::string_view s) {
  double v = 0;
  std::from_chars(s.data(), s.data() + s.size(), v);
  return v;
}

void BM_BareBearings(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const EntryList list = ListOf(true, n);
  for (auto _ : state) {
    double x = 0, y = 0, sum = 0;
    for (std::string_view e : list.Entries()) {
      const std::string_view s = e;
      const double a = (TwoDigits(s.substr(3, 2)) + TwoDigits(s.substr(6, 2)) / 60) +
                       TwoDigits(s.substr(9, 2)) / 3600;
      const std::string_view q = s.substr(0, 2);
      const double angle = q == "NE"   ? std::fabs(90 - a)
                           : q == "NW" ? std::fabs(a + 90)
                           : q == "SW" ? std::fabs(270 - a)
                           : q == "SE" ? std::fabs(a + 270)
                                       : 0;
      const double r = angle * kAngleConstant / 180;
      const double d = ParseBare(s.substr(15, s.size() - 17));
      const double px = x, py = y;
      x += d * std::cos(r);
      y += d * std::sin(r);
      sum += px * y - py * x;
    }
    benchmark::DoNotOptimize(std::fabs(sum * 0.5));
    benchmark::DoNotOptimize(std::sqrt(x * x + y * y));
  }
  CountEntries(state, n);
}

void BM_BarePoints(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  const EntryList list = ListOf(false, n);
  const double x0 = 1000, y0 = 5000;
  for (auto _ : state) {
    double x = x0, y = y0, sum = 0;
    for (std::string_view e : list.Entries()) {
      const std::string_view s = e;
      const size_t split = s.find(" , ");
      const double px = x, py = y;
      x = ParseBare(s.substr(0, split));
      y = ParseBare(s.substr(split + 3));
      sum += px * y - py * x;
    }
    sum += x * y0 - y * x0;
    benchmark::DoNotOptimize(std::fabs(sum * 0.5));
    benchmark::DoNotOptimize(std::sqrt((x - x0) * (x - x0) + (y - y0) * (y - y0)));
  }
  CountEntries(state, n);
}

constexpr int kSizes[] = {10000, 100000, 1000000};

void Sizes(benchmark::internal::Benchmark* b) {
  for (int n : kSizes)
    b->Arg(n);
  b->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_CoreBearings)->Apply(Sizes);
BENCHMARK(BM_CoreHalfCurves)->Apply(Sizes);
BENCHMARK(BM_BareBearings)->Apply(Sizes);
BENCHMARK(BM_CorePoints)->Apply(Sizes);
BENCHMARK(BM_BarePoints)->Apply(Sizes);

}  // namespace
}  // namespace tw

BENCHMARK_MAIN();
