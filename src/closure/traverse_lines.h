// The lines of a bearing list as the closure analysis reads them.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "base/result.h"
#include "boundary/entry.h"
#include "boundary/entry_texts.h"
#include "geometry/curve.h"
#include "geometry/plane.h"
#include "geometry/traverse.h"

namespace tw {

// One line: its offsets by the program's bearing rule and its length, the
// absolute value of the entry's distance (an adjusted line's own length). A
// curve takes part by its chord, its arc longer than the chord by `bend`.
struct TraverseLine {
  Offsets offsets;
  double length = 0;
  double bend = 0;
};

// A curve of the list: its line's index, its entry as typed and its elements.
struct TraverseCurve {
  size_t index = 0;
  std::string entry;
  CurveElements elements;
};

// The direction of offsets in radians counter-clockwise from east, by the
// program's angle constant as a bearing's direction is taken.
double HeadingOf(const Offsets& o);

// The curve of line `index` among `curves` (in list order), or none.
const TraverseCurve* CurveAt(std::span<const TraverseCurve> curves, size_t index);

// Every line in list order. Fails with the program's unreadable-entry
// message for the first entry that cannot be read.
Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries);
// The same, the lines' corners from (0, 0) added to `sums` on the same walk,
// and where `curves` is given, the curves in list order put in it.
Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries, CornerSums& sums,
                                                    std::vector<TraverseCurve>* curves = nullptr);

// The sums a closure is judged by, in list order.
struct TraverseSums {
  double perimeter = 0;  // along the boundary: a curve's arc
  double chords = 0;     // the courses' lengths: a curve's chord
  double north = 0;      // the latitude sum
  double east = 0;       // the departure sum
};

TraverseSums SumLines(const std::vector<TraverseLine>& lines);

// Corner k is the end of line k, from the start (0, 0), added up in list
// order as the walk of the entries adds them.
std::vector<PlanePoint> CornersOf(const std::vector<TraverseLine>& lines);

// The sums of the list with line `index` replaced, walked in list order like
// SumLines, so that a corrected list is judged exactly as if it were read.
TraverseSums SumLinesReplacing(const std::vector<TraverseLine>& lines, size_t index,
                               const TraverseLine& replacement);

}  // namespace tw
