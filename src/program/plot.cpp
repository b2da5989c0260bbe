#include "program/plot.h"

#include "geometry/corner_walk.h"
#include "geometry/traverse.h"
#include "program/log.h"

namespace tw {
namespace {

constexpr double kZoomFactor = 1.5;

// What a redraw does beside drawing: one for a changed list logs each
// closure and catches the running figures up; one for a moved view only draws.
enum class Redraw { List, View };

// The line to a corner of the traverse, its closure, and the traverse moved
// on. Shared by the redraw, which walks the list, and by DrawBearingLine.
void DrawTo(Program& program, PlanePoint c, Redraw redraw) {
  program.surface.SetPenWidth(2);
  program.surface.LineTo(c.east, c.north, std::nullopt);
  if (redraw == Redraw::List)
    LogClosure(program.log, ComputeClosure(c.east, c.north));
  program.state.LastCornerX = c.east;
  program.state.LastCornerY = c.north;
}

// A curve's arc from the corner `from`, then the same as DrawTo for its end.
void ArcTo(Program& program, const CurveElements& e, PlanePoint from, PlanePoint c, Redraw redraw) {
  program.surface.SetPenWidth(2);
  program.surface.Arc(from.east + e.to_centre.east, from.north + e.to_centre.north, e.radius,
                      ArcStartAngle(e), ArcSweep(e), std::nullopt);
  if (redraw == Redraw::List)
    LogClosure(program.log, ComputeClosure(c.east, c.north));
  program.state.LastCornerX = c.east;
  program.state.LastCornerY = c.north;
}

void TraceSegment(DrawingSurface& surface, double x, double y, int colour) {
  surface.SetPenWidth(2);
  surface.LineTo(x, y, colour);
}

void PlotPointAs(Program& program, double x, double y, bool last, Redraw redraw) {
  const double px = x - program.state.FirstPointX;
  const double py = y - program.state.FirstPointY;
  if (redraw == Redraw::List)
    DrawPointSegment(program, px, py, kBlack);
  else
    TraceSegment(program.surface, px, py, kBlack);
  if (last) {
    program.surface.SetPenWidth(1);
    program.surface.Line(0, 0, px, py, kDarkRed);
  }
  program.surface.SetPenWidth(6);
  program.surface.Point(px, py, kDarkGreen);
}

// Each entry is read once, its distance converted once, by the walk; the
// traverse starts at (0, 0), where ResetDrawing put it. The running figures
// are taken from the same walk.
std::optional<UnreadableEntry> RedrawBearings(Program& program, Redraw redraw) {
  const bool list = redraw == Redraw::List;
  if (list)
    program.figures.Restart(EntryKind::Angle, PlanePoint{});
  return WalkEntries(program.entries.Entries(), EntryKind::Angle, PlanePoint{},
                     [&program, redraw, list](const CornerStep& s) {
                       if (s.is_curve)
                         ArcTo(program, s.arc, StartOf(s), s.corner, redraw);
                       else
                         DrawTo(program, s.corner, redraw);
                       if (list)
                         program.figures.Add(s);
                     });
}

std::optional<UnreadableEntry> RedrawPoints(Program& program, Redraw redraw) {
  const size_t n = program.entries.Count();
  const bool list = redraw == Redraw::List;
  if (list)
    program.figures.Restart(EntryKind::Point,
                            PlanePoint{program.state.FirstPointX, program.state.FirstPointY});
  return WalkEntries(program.entries.Entries(), EntryKind::Point, PlanePoint{},
                     [&program, n, redraw, list](const CornerStep& s) {
                       if (s.index == 0) {
                         program.state.FirstPointX = s.corner.east;
                         program.state.FirstPointY = s.corner.north;
                         if (list)
                           program.figures.Restart(EntryKind::Point, s.corner);
                       }
                       PlotPointAs(program, s.corner.east, s.corner.north,
                                   s.index == n - 1 && n > 2, redraw);
                       if (list)
                         program.figures.Add(s);
                     });
}

std::optional<UnreadableEntry> RedrawEntries(Program& program, Redraw redraw) {
  ResetDrawing(program);
  if (program.entries.Empty())
    return std::nullopt;
  return KindOf(program.entries.At(0)) == EntryKind::Angle ? RedrawBearings(program, redraw)
                                                           : RedrawPoints(program, redraw);
}

// The extents have changed: the message is logged even when the redraw
// stops at an unreadable entry, since the zoom itself took place.
Status RedrawAndLog(Program& program, std::string_view message) {
  Status drawn = RedrawBoundary(program);
  AppendLog(program.log, message, true);
  return drawn;
}

}  // namespace

PlotView ViewOf(const ProgramState& state) {
  return {.left = state.PlotCentreX - state.PlotExtentX,
          .top = state.PlotCentreY + state.PlotExtentY,
          .right = state.PlotCentreX + state.PlotExtentX,
          .bottom = state.PlotCentreY - state.PlotExtentY};
}

void ResetDrawing(Program& program) {
  DrawingSurface& surface = program.surface;
  const PlotView v = ViewOf(program.state);
  surface.Clear();
  surface.SetScale(v.left, v.top, v.right, v.bottom);
  surface.SetPenWidth(1);
  surface.Line(v.left, 0, v.right, 0, kDarkGrey);
  surface.Line(0, v.top, 0, v.bottom, kDarkGrey);
  surface.Point(0, 0, kDarkBlue);
  surface.SetPenWidth(2);
  program.state.LastCornerX = 0;
  program.state.LastCornerY = 0;
}

void RecentreDrawing(Program& program) {
  program.state.PlotCentreX = 0;
  program.state.PlotCentreY = 0;
  ResetDrawing(program);
}

Status RedrawBoundary(Program& program) {
  const std::optional<UnreadableEntry> stop = RedrawEntries(program, Redraw::List);
  if (program.entries.Empty())
    return Ok();
  // Caught up with the whole list: the next add reads only its own entry.
  program.figures.Finish(program.entries, stop);
  // What was drawn before an unreadable entry stays; the entry is selected.
  program.entries.Select(stop ? std::optional<size_t>(stop->index)
                              : std::optional<size_t>(program.entries.Count() - 1));
  return AsStatus(stop);
}

Status RedrawView(Program& program) {
  return AsStatus(RedrawEntries(program, Redraw::View));
}

Status DrawBearingLine(Program& program, std::string_view quadrant, double degrees, double minutes,
                       double seconds, std::string_view distance) {
  const Result<Offsets> o = ComputeLatDep(quadrant, degrees, minutes, seconds, distance);
  if (!o)
    return Error{o.error()};
  DrawTo(program,
         PlanePoint{program.state.LastCornerX + o->east, program.state.LastCornerY + o->north},
         Redraw::List);
  return Ok();
}

void DrawCurve(Program& program, const CurveElements& curve) {
  const PlanePoint from{program.state.LastCornerX, program.state.LastCornerY};
  ArcTo(program, curve, from,
        {from.east + curve.chord_offsets.east, from.north + curve.chord_offsets.north},
        Redraw::List);
}

void PlotPoint(Program& program, double x, double y, bool last) {
  PlotPointAs(program, x, y, last, Redraw::List);
}

void DrawPointSegment(Program& program, double x, double y, int colour) {
  TraceSegment(program.surface, x, y, colour);
  LogClosure(program.log, ComputeClosure(x, y));
}

// Divided, not multiplied by 1 / 1.5: 300 / 1.5 is exactly 200.
Status ZoomIn(Program& program) {
  program.state.PlotExtentX /= kZoomFactor;
  program.state.PlotExtentY /= kZoomFactor;
  return RedrawAndLog(program, "Zoom In x.5");
}

Status ZoomOut(Program& program) {
  program.state.PlotExtentX *= kZoomFactor;
  program.state.PlotExtentY *= kZoomFactor;
  return RedrawAndLog(program, "Zoom Out x.5");
}

Status ResetZoom(Program& program) {
  program.state.PlotExtentX = kStartExtent;
  program.state.PlotExtentY = kStartExtent;
  program.state.PlotCentreX = 0;
  program.state.PlotCentreY = 0;
  return RedrawAndLog(program, "Re-Draw");
}

void DragView(ProgramState& state, PlanePoint grabbed, PlanePoint under) {
  state.PlotCentreX += grabbed.east - under.east;
  state.PlotCentreY += grabbed.north - under.north;
}

// The centre keeps its offset from `at` in screen terms: the offset scales
// with the extents.
void ZoomViewAbout(ProgramState& state, PlanePoint at, double factor) {
  state.PlotExtentX *= factor;
  state.PlotExtentY *= factor;
  state.PlotCentreX = at.east + (state.PlotCentreX - at.east) * factor;
  state.PlotCentreY = at.north + (state.PlotCentreY - at.north) * factor;
}

}  // namespace tw
