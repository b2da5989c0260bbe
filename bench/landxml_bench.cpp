// A LandXML parcel of 100,000 segments, half of them curves, exported and
// imported, each with its file written or read: the cost a user waits for,
// without the dialogs.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "bench_entries.h"
#include "files/file_io.h"
#include "landxml/landxml_commands.h"
#include "landxml/landxml_writer.h"
#include "ports/drawing_surface.h"
#include "program/log.h"

namespace tw {
namespace {

constexpr int kSegments = 100000;

// Quadrants, angles and distances vary, so that corners do not repeat; every
// other entry is a tangent curve, turning either way.
std::string Entry(int i) {
  if (i % 2 == 1)
    return std::string("Curve ") + (i % 4 == 1 ? "right" : "left") + " R " +
           std::to_string(100 + i % 900) + ".5LF delta " + bench::TwoDigits(5 + i % 80) + '\xB0' +
           bench::TwoDigits(i % 60) + "'00'' tangent";
  return std::string(bench::QuadrantOf(i)) + ' ' + bench::TwoDigits(10 + i % 80) + '\xB0' +
         bench::TwoDigits(10 + i % 50) + '\'' + bench::TwoDigits(10 + i % 49) + "'' @" +
         std::to_string(100 + i % 900) + "." + std::to_string(i % 10) + "LF";
}

struct Boundary {
  Boundary() {
    for (int i = 0; i < kSegments; ++i)
      program.entries.Append(Entry(i));
  }
  StringLog log;
  NullSurface surface;
  Program program{log, surface};
  const std::string path =
      (std::filesystem::temp_directory_path() / "tractwise-landxml-bench.xml").string();
  ~Boundary() { std::filesystem::remove(path); }
};

Status Export(Boundary& b) {
  const Result<std::string> bytes =
      LandXmlBytes(b.program.entries.Entries(), b.program.state, {"Lot", StampOf("0", 0)});
  return bytes ? WriteFileAtomically(b.path, *bytes) : Status(Error{bytes.error()});
}

void BM_ExportLandXml(benchmark::State& state) {
  Boundary b;
  for (auto _ : state) {
    if (!Export(b))
      state.SkipWithError("not written");
  }
}
BENCHMARK(BM_ExportLandXml)->Unit(benchmark::kMillisecond);

// Read, parsed, chosen and taken by the program with its replot and log.
void BM_ImportLandXml(benchmark::State& state) {
  Boundary b;
  if (!Export(b))
    state.SkipWithError("not written");
  for (auto _ : state) {
    StringLog log;
    NullSurface surface;
    Program into{log, surface};
    const Result<LandXmlFile> file = ReadLandXmlPath(b.path);
    EntryControls controls;
    const Result<OpenOutcome> opened =
        file ? ImportParcel(into, controls, *file, 0, b.path) : Error{file.error()};
    if (!opened)
      state.SkipWithError(opened.error().c_str());
  }
}
BENCHMARK(BM_ImportLandXml)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tw

BENCHMARK_MAIN();
