#include "closure/adjusted_files.h"

#include "base/numbers.h"
#include "boundary/entry.h"
#include "formats/point_file.h"
#include "formats/project_file.h"
#include "formats/text_lines.h"
#include "geometry/bearing_forms.h"
#include "settings/unit_system.h"

namespace tw {

namespace {

// Corner k of the files: the start, then the ends of the lines but the last,
// whose end is the start again.
PlanePoint FileCorner(const Adjustment& adjustment, size_t k) {
  // Adjust gives no start or corner that rounds past the limit of a point
  // entry.
  const PlanePoint& c = k == 0 ? adjustment.start : adjustment.corners[k - 1];
  return {RoundToFourDecimals(c.east).value(), RoundToFourDecimals(c.north).value()};
}

}  // namespace

// Written straight from the corners: a million corners would otherwise be
// held twice more, as corners and as entry texts, while the file is written.
std::string AdjustedProjectBytes(const Adjustment& adjustment, std::string_view unit) {
  ProgramState state;
  state.UnitAbbrev = unit;
  state.EntryMode = ModeText(ModeOption::Point);
  // A point list starts at its first corner, as a saved one does.
  const PlanePoint start = FileCorner(adjustment, 0);
  state.FirstPointX = start.east;
  state.FirstPointY = start.north;
  std::string out = ProjectFileBytes(state, EntryTexts{});
  const size_t n = adjustment.corners.size();
  // Never outgrown, so never copied; what the numbers leave unused is never
  // touched and takes no memory.
  out.reserve(out.size() + n * (2 * kLongestForm + kPointSeparator.size() + 2));
  for (size_t k = 0; k < n; ++k) {
    const PlanePoint c = FileCorner(adjustment, k);
    AppendPointEntry(out, c.east, c.north);
    out += "\r\n";
  }
  return out;
}

std::string AdjustedPointBytes(const Adjustment& adjustment) {
  const size_t n = adjustment.corners.size();
  std::string out;
  out.reserve(CornerLinesBound(n));
  for (size_t k = 0; k < n; ++k) {
    const PlanePoint c = FileCorner(adjustment, k);
    AppendCornerLine(out, k + 1, c.north, c.east);
  }
  return out;
}

}  // namespace tw
