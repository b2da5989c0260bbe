// The boundary as a drawing: its corners and labelled lines, shared by the
// plat, the screen's line labels and Zoom to Fit.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "boundary/entry.h"
#include "boundary/entry_list.h"
#include "closure/closure_figures.h"
#include "geometry/curve.h"
#include "geometry/plane.h"

namespace tw {

// A closing side shorter than this is not drawn: its length prints as 0.0000.
inline constexpr double kSmallestClosingSide = 0.00005;

// True when a bearing list's misclosure is drawn as a closing side: exactly
// when the closure figures print a misclosure other than 0.0000.
bool HasClosingSide(const ClosureFigures& figures);

struct BoundaryLine {
  PlanePoint from;
  PlanePoint to;
  std::string text;  // Windows-1252: the entry, or "1–2 DISTANCE"
  // The side that closes the figure: a point list's last corner back to its
  // first, or a bearing list's misclosure (its text is the length).
  bool closing = false;
  // A curve's elements, its chord running from `from` to `to`; none for a
  // straight side.
  std::optional<CurveElements> curve;
};

struct BoundaryDrawing {
  EntryKind kind = EntryKind::Angle;
  // Relative to the plot origin, as on screen: a bearing list from its start
  // corner (0, 0), a point list from its first point. A bearing list has one
  // corner more than lines; its last is numbered only when it misses the start.
  std::vector<PlanePoint> corners;
  PlanePoint origin;  // the first point of a point list, else (0, 0)
  std::vector<BoundaryLine> lines;
  // True when the corners run counter-clockwise: the outer side of a line is
  // then on its right.
  bool counter_clockwise = true;
};

// Fails with the program's unreadable-entry message. Reads the list by the
// kind of entry 0, as the plot does.
Result<BoundaryDrawing> DrawingOf(const EntryList& entries);

// The unit normal of a line pointing away from the figure.
Offsets OuterNormal(const BoundaryDrawing& drawing, const BoundaryLine& line);

}  // namespace tw
