// The lines of a bearing list as the closure analysis reads them.
#pragma once

#include <string>
#include <vector>

#include "base/result.h"
#include "boundary/entry.h"
#include "boundary/entry_texts.h"
#include "geometry/plane.h"
#include "geometry/traverse.h"

namespace tw {

// One line: its offsets by the program's bearing rule and its length, the
// absolute value of the entry's distance (an adjusted line's own length).
struct TraverseLine {
  Offsets offsets;
  double length = 0;
};

// Every line in list order. Fails with the program's unreadable-entry
// message for the first entry that cannot be read.
Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries);
// The same, the lines' corners from (0, 0) added to `sums` on the same walk.
Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries, CornerSums& sums);

// The sums a closure is judged by, in list order.
struct TraverseSums {
  double perimeter = 0;
  double north = 0;  // the latitude sum
  double east = 0;   // the departure sum
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
