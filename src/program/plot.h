// The plot of the boundary on the drawing surface, and the zoom.
//
// Drawing a line or a point is also the moment its closure is logged, and
// drawing a bearing line advances the running traverse.
#pragma once

#include <string_view>

#include "base/result.h"
#include "geometry/corner_walk.h"
#include "program/program.h"

namespace tw {

// The view's centre less and plus its extents: what the surface is scaled to.
PlotView ViewOf(const ProgramState& state);

// Clears the surface, sets the scale from the view's centre and extents,
// draws the grey axes and the blue origin through the start corner, and puts
// the traverse back to (0, 0).
void ResetDrawing(Program& program);

// The view back on the start corner, the extents kept, and a fresh drawing:
// the start of another boundary (New, Clear, Open, Import).
void RecentreDrawing(Program& program);

// Resets the drawing and draws every entry again, one "Closure: " line each;
// a point list first takes FirstPointX/FirstPointY from entry 0. Stops at an
// entry that cannot be read by the kind of entry 0, with the message naming
// it (what was drawn before it stays).
Status RedrawBoundary(Program& program);

// The same picture as RedrawBoundary for a view that moved while the list
// did not: nothing is logged, and the running figures and the selection stay
// as they are.
Status RedrawView(Program& program);

// One bearing line from the last corner; logs its closure and advances the
// traverse. Fails, drawing nothing, when the distance is not a number.
Status DrawBearingLine(Program& program, std::string_view quadrant, double degrees, double minutes,
                       double seconds, std::string_view distance);

// One curve from the last corner, as an arc; logs the closure of its chord
// and advances the traverse to its end.
void DrawCurve(Program& program, const CurveElements& curve);

// One corner of a point list, relative to the first point; the last flag adds
// the thin red closing line.
void PlotPoint(Program& program, double x, double y, bool last);

// A segment from the pen to (x, y) relative to the first point, and its
// closure line.
void DrawPointSegment(Program& program, double x, double y, int colour);

// Extents / 1.5 about the same centre, redraw, "Zoom In x.5".
Status ZoomIn(Program& program);
// Extents * 1.5 about the same centre, redraw, "Zoom Out x.5".
Status ZoomOut(Program& program);
// Extents back to 300 about the start corner, redraw, "Re-Draw".
Status ResetZoom(Program& program);

// The view moved as by a hand on the plot: the drawing point `grabbed` comes
// to where `under` is now. Neither redraws nor logs.
void DragView(ProgramState& state, PlanePoint grabbed, PlanePoint under);
// Both extents times `factor` (below 1 shows the drawing larger), about the
// drawing point `at`, which keeps its place on the surface. Neither redraws
// nor logs.
void ZoomViewAbout(ProgramState& state, PlanePoint at, double factor);

}  // namespace tw
