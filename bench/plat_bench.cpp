// A redraw of a 1,000-line boundary with its line labels on the real plot
// surface, offscreen, as View > Line Labels shows it after every command.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <string>

#include "boundary/log.h"
#include "boundary/plot.h"
#include "boundary/program.h"
#include "plat/boundary_drawing.h"
#include "shell/plot_surface.h"
#include "shell/view_commands.h"

namespace {

class DiscardLog : public tw::LogSink {
 public:
  void Append(std::string_view) override {}
};

// A closed 1,000-sided figure of 20-unit lines, as bearing entries.
std::vector<std::string> Polygon(int lines) {
  std::vector<std::string> entries;
  for (int i = 0; i < lines; ++i) {
    const double azimuth = 360.0 * i / lines;
    const bool north = azimuth < 90 || azimuth >= 270;
    const bool east = azimuth < 180;
    double angle =
        north ? (east ? azimuth : 360 - azimuth) : (east ? 180 - azimuth : azimuth - 180);
    const int seconds = static_cast<int>(std::lround(angle * 3600));
    char text[64];
    std::snprintf(text, sizeof text, "%c%c %02d\xB0%02d'%02d'' @20.00LF", north ? 'N' : 'S',
                  east ? 'E' : 'W', seconds / 3600, seconds / 60 % 60, seconds % 60);
    entries.push_back(text);
  }
  return entries;
}

void BM_RedrawWithLabels(benchmark::State& state) {
  tw::PlotSurface surface;
  surface.resize(800, 600);
  surface.SetEqualScales(true);
  DiscardLog log;
  tw::Program program(log, surface);
  program.entries.Replace(Polygon(static_cast<int>(state.range(0))));
  program.state.PlotExtentX = program.state.PlotExtentY = 7000;
  for (auto _ : state) {
    benchmark::DoNotOptimize(tw::RedrawBoundary(program));
    surface.SetLabels(tw::ScreenLabels(*tw::DrawingOf(program.entries)));
    benchmark::DoNotOptimize(surface.Picture());
  }
}
BENCHMARK(BM_RedrawWithLabels)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
