#include "plat/zoom_to_fit.h"

#include <algorithm>
#include <cmath>

#include "plat/boundary_drawing.h"
#include "program/log.h"
#include "program/plot.h"

namespace tw {
namespace {

constexpr double kFitMargin = 1.1;
constexpr double kLeastExtent = 1;

}  // namespace

Status ZoomToFit(Program& program) {
  if (program.entries.Empty())
    return Ok();
  const Result<BoundaryDrawing> drawing = DrawingOf(program.entries);
  if (!drawing)
    return Error{drawing.error()};
  double reach = 0;
  for (const PlanePoint& c : drawing->corners)
    reach = std::max({reach, std::abs(c.east), std::abs(c.north)});
  const double extent = std::max(kFitMargin * reach, kLeastExtent);
  program.state.PlotExtentX = extent;
  program.state.PlotExtentY = extent;
  Status drawn = RedrawBoundary(program);
  AppendLog(program.log, "Zoom to Fit", true);
  return drawn;
}

}  // namespace tw
