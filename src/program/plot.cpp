#include "program/plot.h"

#include "geometry/corner_walk.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

constexpr double kZoomFactor = 1.5;
constexpr double kStartExtent = 300;

// The line to a corner of the traverse, its closure, and the traverse moved
// on. Shared by the redraw, which walks the list, and by DrawBearingLine.
void DrawTo(Program& program, Corner c) {
  program.surface.SetPenWidth(2);
  program.surface.LineTo(c.x, c.y, std::nullopt);
  LogClosure(program.log, ComputeClosure(c.x, c.y));
  program.state.LastCornerX = c.x;
  program.state.LastCornerY = c.y;
}

// Each entry is read once, its distance converted once, by the walk; the
// traverse starts at (0, 0), where ResetDrawing put it. The running figures
// are taken from the same walk.
std::optional<UnreadableEntry> RedrawBearings(Program& program) {
  program.figures.Restart(EntryKind::Angle, Corner{});
  return WalkEntries(program.entries.Entries(), EntryKind::Angle, Corner{},
                     [&program](const CornerStep& s) {
                       DrawTo(program, s.corner);
                       program.figures.Add(s.corner);
                     });
}

std::optional<UnreadableEntry> RedrawPoints(Program& program) {
  const size_t n = program.entries.Count();
  program.figures.Restart(EntryKind::Point,
                          Corner{program.state.FirstPointX, program.state.FirstPointY});
  return WalkEntries(program.entries.Entries(), EntryKind::Point, Corner{},
                     [&program, n](const CornerStep& s) {
                       if (s.index == 0) {
                         program.state.FirstPointX = s.corner.x;
                         program.state.FirstPointY = s.corner.y;
                         program.figures.Restart(EntryKind::Point, s.corner);
                       }
                       PlotPoint(program, s.corner.x, s.corner.y, s.index == n - 1 && n > 2);
                       program.figures.Add(s.corner);
                     });
}

// The extents have changed: the message is logged even when the redraw
// stops at an unreadable entry, since the zoom itself took place.
Status RedrawAndLog(Program& program, std::string_view message) {
  Status drawn = RedrawBoundary(program);
  AppendLog(program.log, message, true);
  return drawn;
}

}  // namespace

void ResetDrawing(Program& program) {
  DrawingSurface& surface = program.surface;
  ProgramState& s = program.state;
  const double ex = s.PlotExtentX;
  const double ey = s.PlotExtentY;
  surface.Clear();
  surface.SetScale(-ex, ey, ex, -ey);
  surface.SetPenWidth(1);
  surface.Line(-ex, 0, ex, 0, kDarkGrey);
  surface.Line(0, ey, 0, -ey, kDarkGrey);
  surface.Point(0, 0, kDarkBlue);
  surface.SetPenWidth(2);
  s.LastCornerX = 0;
  s.LastCornerY = 0;
}

Status RedrawBoundary(Program& program) {
  ResetDrawing(program);
  if (program.entries.Empty())
    return Ok();
  const std::optional<UnreadableEntry> stop = KindOf(program.entries.At(0)) == EntryKind::Angle
                                                  ? RedrawBearings(program)
                                                  : RedrawPoints(program);
  // Caught up with the whole list: the next add reads only its own entry.
  program.figures.Finish(program.entries, stop);
  // What was drawn before an unreadable entry stays; the entry is selected.
  program.entries.Select(stop ? std::optional<size_t>(stop->index)
                              : std::optional<size_t>(program.entries.Count() - 1));
  return AsStatus(stop);
}

Status DrawBearingLine(Program& program, std::string_view quadrant, double degrees, double minutes,
                       double seconds, std::string_view distance) {
  const Result<Offsets> o = ComputeLatDep(quadrant, degrees, minutes, seconds, distance);
  if (!o)
    return Error{o.error()};
  DrawTo(program, Corner{program.state.LastCornerX + o->dx, program.state.LastCornerY + o->dy});
  return Ok();
}

void PlotPoint(Program& program, double x, double y, bool last) {
  const double px = x - program.state.FirstPointX;
  const double py = y - program.state.FirstPointY;
  DrawPointSegment(program, px, py, kBlack);
  if (last) {
    program.surface.SetPenWidth(1);
    program.surface.Line(0, 0, px, py, kDarkRed);
  }
  program.surface.SetPenWidth(6);
  program.surface.Point(px, py, kDarkGreen);
}

void DrawPointSegment(Program& program, double x, double y, int colour) {
  program.surface.SetPenWidth(2);
  program.surface.LineTo(x, y, colour);
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
  return RedrawAndLog(program, "Re-Draw");
}

}  // namespace tw
