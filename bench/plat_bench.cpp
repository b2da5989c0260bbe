// A redraw of a 1,000-line boundary with its line labels on the real plot
// surface, offscreen, as View > Line Labels shows it after every command.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <string>

#include "plat/boundary_drawing.h"
#include "plat/zoom_to_fit.h"
#include "ports/log_sink.h"
#include "program/plot.h"
#include "program/program.h"
#include "shell/plot/plot_surface.h"
#include "shell/plot/view_commands.h"

namespace {

// A closed figure of 1,000-unit lines as bearing entries, each line turned
// by `step` / `lines` of a full turn from the one before: step 1 is a
// regular polygon whose lines are too short on screen for their labels,
// step lines / 2 - 1 a star whose lines all cross the picture, labelled.
std::vector<std::string> Polygon(int lines, int step) {
  std::vector<std::string> entries;
  for (int i = 0; i < lines; ++i) {
    const double azimuth = std::fmod(360.0 * step * i / lines, 360.0);
    const bool north = azimuth < 90 || azimuth >= 270;
    const bool east = azimuth < 180;
    double angle =
        north ? (east ? azimuth : 360 - azimuth) : (east ? 180 - azimuth : azimuth - 180);
    const int seconds = static_cast<int>(std::lround(angle * 3600));
    char text[64];
    std::snprintf(text, sizeof text, "%c%c %02d\xB0%02d'%02d'' @1000.00LF", north ? 'N' : 'S',
                  east ? 'E' : 'W', seconds / 3600, seconds / 60 % 60, seconds % 60);
    entries.push_back(text);
  }
  return entries;
}

void BM_RedrawWithLabels(benchmark::State& state) {
  tw::PlotSurface surface;
  surface.resize(800, 600);
  surface.SetEqualScales(true);
  tw::NullLog log;
  tw::Program program(log, surface);
  program.entries.Replace(
      Polygon(static_cast<int>(state.range(0)), static_cast<int>(state.range(1))));
  benchmark::DoNotOptimize(tw::ZoomToFit(program));
  for (auto _ : state) {
    benchmark::DoNotOptimize(tw::RedrawBoundary(program));
    if (state.range(2))
      surface.SetLabels(
          tw::ScreenLabels(*tw::DrawingOf(program.entries), surface.LabelSizeInUnits()));
    benchmark::DoNotOptimize(surface.Picture());
  }
}
BENCHMARK(BM_RedrawWithLabels)
    ->Args({1000, 1, 1})
    ->Args({1000, 499, 1})
    ->Args({1000, 499, 0})
    ->Unit(benchmark::kMillisecond);

}  // namespace
