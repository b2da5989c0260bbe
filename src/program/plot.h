// The plot of the boundary on the drawing surface, and the zoom.
//
// Drawing a line or a point is also the moment its closure is logged, and
// drawing a bearing line advances the running traverse.
#pragma once

#include <string_view>

#include "base/result.h"
#include "program/program.h"

namespace tw {

// Clears the surface, sets the scale from the extents, draws the grey axes and
// the blue origin, and puts the traverse back to (0, 0).
void ResetDrawing(Program& program);

// Resets the drawing and draws every entry again, one "Closure: " line each;
// a point list first takes FirstPointX/FirstPointY from entry 0. Stops at an
// entry that cannot be read by the kind of entry 0, with the message naming
// it (what was drawn before it stays).
Status RedrawBoundary(Program& program);

// One bearing line from the last corner; logs its closure and advances the
// traverse. Fails, drawing nothing, when the distance is not a number.
Status DrawBearingLine(Program& program, std::string_view quadrant, double degrees, double minutes,
                       double seconds, std::string_view distance);

// One corner of a point list, relative to the first point; the last flag adds
// the thin red closing line.
void PlotPoint(Program& program, double x, double y, bool last);

// A segment from the pen to (x, y) relative to the first point, and its
// closure line.
void DrawPointSegment(Program& program, double x, double y, int colour);

// Extents / 1.5, redraw, "Zoom In x.5".
Status ZoomIn(Program& program);
// Extents * 1.5, redraw, "Zoom Out x.5".
Status ZoomOut(Program& program);
// Extents back to 300, redraw, "Re-Draw".
Status ResetZoom(Program& program);

}  // namespace tw
