#include "plat/zoom_to_fit.h"

#include <algorithm>

#include "geometry/corner_walk.h"
#include "plat/boundary_drawing.h"
#include "program/log.h"
#include "program/plot.h"

namespace tw {
namespace {

// Of the plot's width and height: a small margin stays for the corner marks.
constexpr double kFill = 0.92;
constexpr double kLeastExtent = 1;
// A flat direction's share of the other's extent: small enough that a
// straight boundary fills the plot's width with equal scales however wide the
// plot, large enough that rounding noise across it stays invisible without.
constexpr double kSliver = 1e-6;

}  // namespace

Status ZoomToFit(Program& program) {
  if (program.entries.Empty())
    return Ok();
  const Result<BoundaryDrawing> drawing = DrawingOf(program.entries);
  if (!drawing)
    return Error{drawing.error()};
  PlanePoint low = drawing->corners.front();
  PlanePoint high = low;
  const auto take = [&low, &high](PlanePoint c) {
    low = {std::min(low.east, c.east), std::min(low.north, c.north)};
    high = {std::max(high.east, c.east), std::max(high.north, c.north)};
  };
  for (const PlanePoint& c : drawing->corners)
    take(c);
  // An arc can bulge past its ends: its points due north, south, east and
  // west of its centre bound it. The drawing has read every entry already.
  if (drawing->kind == EntryKind::Angle)
    (void)WalkEntries(program.entries.Entries(), EntryKind::Angle, PlanePoint{},
                      [&take](const CornerStep& s) {
                        if (s.is_curve)
                          VisitArcBounds(s.arc, StartOf(s), take);
                      });
  const double half_x = (high.east - low.east) / 2;
  const double half_y = (high.north - low.north) / 2;
  const double reach = std::max(half_x, half_y);
  ProgramState& s = program.state;
  s.PlotCentreX = low.east + half_x;
  s.PlotCentreY = low.north + half_y;
  s.PlotExtentX = reach > 0 ? std::max(half_x, kSliver * reach) / kFill : kLeastExtent;
  s.PlotExtentY = reach > 0 ? std::max(half_y, kSliver * reach) / kFill : kLeastExtent;
  Status drawn = RedrawBoundary(program);
  AppendLog(program.log, "Zoom to Fit", true);
  return drawn;
}

}  // namespace tw
