#include "boundary/plot.h"

#include "boundary/bearing.h"
#include "boundary/entry.h"
#include "boundary/traverse.h"

namespace tw {
namespace {

constexpr double kZoomFactor = 1.5;
constexpr double kStartExtent = 300;

// The line to the corner the offsets reach, its closure, and the traverse
// moved on. Shared by the redraw, which has the distance as a number already,
// and by DrawBearingLine, which converts it.
void DrawOffsets(Program& program, Offsets o) {
  ProgramState& s = program.state;
  const double nx = s.LastCornerX + o.dx;
  const double ny = s.LastCornerY + o.dy;
  program.surface.SetPenWidth(2);
  program.surface.LineTo(nx, ny, std::nullopt);
  LogClosure(program.log, ComputeClosure(nx, ny));
  s.LastCornerX = nx;
  s.LastCornerY = ny;
}

// Each entry is parsed once: its fields are read and its distance converted
// in one go, and the offsets come from the number.
Status RedrawBearings(Program& program) {
  const EntryList& entries = program.entries;
  for (size_t i = 0; i < entries.Count(); ++i) {
    const Result<BearingFieldsView> f = ReadBearingEntryView(entries.At(i));
    if (!f) {
      program.entries.Select(i);
      return Error{UnreadableEntryMessage(i, entries.At(i), f.error())};
    }
    DrawOffsets(program, LatDep(f->quadrant, f->degrees, f->minutes, f->seconds, f->length));
  }
  return Ok();
}

Status RedrawPoints(Program& program) {
  const EntryList& entries = program.entries;
  const size_t n = entries.Count();
  for (size_t i = 0; i < n; ++i) {
    const Result<PointFields> p = ReadPointEntry(entries.At(i));
    if (!p) {
      program.entries.Select(i);
      return Error{UnreadableEntryMessage(i, entries.At(i), p.error())};
    }
    if (i == 0) {
      program.state.FirstPointX = p->x;
      program.state.FirstPointY = p->y;
    }
    PlotPoint(program, p->x, p->y, i == n - 1 && n > 2);
  }
  return Ok();
}

// The extents have changed: the message is logged even when the redraw
// stops at an unreadable entry, since the zoom itself took place.
Status RedrawAndLog(Program& program, std::string_view message) {
  const Status drawn = RedrawBoundary(program);
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
  const Status drawn = KindOf(program.entries.At(0)) == EntryKind::Angle ? RedrawBearings(program)
                                                                         : RedrawPoints(program);
  if (drawn)
    program.entries.SelectLast();
  return drawn;
}

Status DrawBearingLine(Program& program, std::string_view quadrant, double degrees, double minutes,
                       double seconds, std::string_view distance) {
  const Result<Offsets> o = ComputeLatDep(quadrant, degrees, minutes, seconds, distance);
  if (!o)
    return Error{o.error()};
  DrawOffsets(program, *o);
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
