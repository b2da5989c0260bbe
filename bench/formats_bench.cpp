// The file commands on a 100,000-entry boundary, each with its file written
// or read: the cost a user waits for, without the dialogs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_entries.h"
#include "files/file_io.h"
#include "formats/dxf_file.h"
#include "formats/import_commands.h"
#include "formats/point_file.h"
#include "formats/project_commands.h"
#include "formats/project_file.h"
#include "ports/drawing_surface.h"
#include "program/log.h"
#include "report/boundary_report.h"

namespace tw {
namespace {

constexpr int kEntries = 100000;

// Quadrants, angles and distances vary so every entry takes the whole path.
std::string BearingEntry(int i) {
  std::string e = bench::QuadrantOf(i);
  e += ' ' + std::to_string(10 + i % 80) + '\xB0' + std::to_string(10 + i % 50) + '\'' +
       std::to_string(10 + i % 49) + "'' @" + std::to_string(100 + i % 900) + "." +
       std::to_string(i % 10) + "LF";
  return e;
}

std::string PointLine(int i) {
  return std::to_string(i + 1) + ", " + std::to_string(5000 - i % 991) + "." +
         std::to_string(i % 7) + ", " + std::to_string(1000 + i % 997) + "." +
         std::to_string(i % 10) + ", 101.3, corner";
}

// A folder of its own under the system's temporary folder.
class BenchFolder {
 public:
  BenchFolder() : path_(std::filesystem::temp_directory_path() / "tractwise-formats-bench") {
    std::filesystem::create_directories(path_);
  }
  ~BenchFolder() { std::filesystem::remove_all(path_); }
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

struct Boundary {
  Boundary() {
    for (int i = 0; i < kEntries; ++i)
      program.entries.Append(BearingEntry(i));
  }
  StringLog log;
  NullSurface surface;
  Program program{log, surface};
};

void BM_SaveProject(benchmark::State& state) {
  Boundary b;
  BenchFolder folder;
  for (auto _ : state) {
    if (!SaveProjectPath(b.program, folder.File("a.twc")))
      state.SkipWithError("not written");
  }
}
BENCHMARK(BM_SaveProject)->Unit(benchmark::kMillisecond);

using Builder = Result<std::string> (*)(const EntryTexts&, const ProgramState&);

void ExportBench(benchmark::State& state, Builder build) {
  Boundary b;
  BenchFolder folder;
  for (auto _ : state) {
    const Result<std::string> bytes = build(b.program.entries.Entries(), b.program.state);
    if (!bytes || !WriteFileAtomically(folder.File("export"), *bytes))
      state.SkipWithError("not written");
  }
}

void BM_ExportPoints(benchmark::State& state) {
  ExportBench(state, PointFileBytes);
}
BENCHMARK(BM_ExportPoints)->Unit(benchmark::kMillisecond);

void BM_ExportDxf(benchmark::State& state) {
  ExportBench(state, DxfFileBytes);
}
BENCHMARK(BM_ExportDxf)->Unit(benchmark::kMillisecond);

void BM_Report(benchmark::State& state) {
  Boundary b;
  BenchFolder folder;
  for (auto _ : state) {
    const Result<std::string> bytes = BoundaryReportBytes(b.program.entries, b.program.state);
    if (!bytes || !WriteFileAtomically(folder.File("report.txt"), *bytes))
      state.SkipWithError("not written");
  }
}
BENCHMARK(BM_Report)->Unit(benchmark::kMillisecond);

// Read, validate, replace the list and replot with its 100,000 closure lines.
void BM_OpenProject(benchmark::State& state) {
  BenchFolder folder;
  {
    Boundary b;
    if (!SaveProjectPath(b.program, folder.File("a.twc")))
      state.SkipWithError("not written");
  }
  for (auto _ : state) {
    StringLog log;
    NullSurface surface;
    Program program{log, surface};
    EntryControls controls;
    if (!OpenProjectPath(program, controls, folder.File("a.twc")))
      state.SkipWithError("not opened");
    benchmark::DoNotOptimize(log.Text().size());
  }
}
BENCHMARK(BM_OpenProject)->Unit(benchmark::kMillisecond);

// The core's share of an import: read the file into preview lines, build the
// entries and replot.
void BM_ImportPoints(benchmark::State& state) {
  BenchFolder folder;
  std::string bytes;
  for (int i = 0; i < kEntries; ++i)
    bytes += PointLine(i) + "\r\n";
  if (!WriteFileAtomically(folder.File("p.txt"), bytes))
    state.SkipWithError("not written");
  for (auto _ : state) {
    StringLog log;
    NullSurface surface;
    Program program{log, surface};
    EntryControls controls;
    const Result<PointPreview> preview = ReadPointFile(folder.File("p.txt"));
    if (!preview || !ImportPoints(program, controls, *preview, "PN, N, E").imported)
      state.SkipWithError("not imported");
  }
}
BENCHMARK(BM_ImportPoints)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw

BENCHMARK_MAIN();
