#include "closure/traverse_lines.h"

#include <cmath>

#include "geometry/corner_walk.h"

namespace tw {

namespace {

TraverseLine LineOf(const CornerStep& s) {
  return {s.offsets, std::fabs(s.distance)};
}

}  // namespace

Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries) {
  CornerSums sums(PlanePoint{});
  return ReadTraverseLines(entries, sums);
}

Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries, CornerSums& sums) {
  std::vector<TraverseLine> lines;
  lines.reserve(entries.size());
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, EntryKind::Angle, PlanePoint{}, [&](const CornerStep& s) {
        lines.push_back(LineOf(s));
        sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  return lines;
}

std::vector<PlanePoint> CornersOf(const std::vector<TraverseLine>& lines) {
  std::vector<PlanePoint> corners;
  corners.reserve(lines.size());
  PlanePoint c;
  for (const TraverseLine& l : lines) {
    c = {c.east + l.offsets.east, c.north + l.offsets.north};
    corners.push_back(c);
  }
  return corners;
}

TraverseSums SumLines(const std::vector<TraverseLine>& lines) {
  return SumLinesReplacing(lines, lines.size(), {});
}

TraverseSums SumLinesReplacing(const std::vector<TraverseLine>& lines, size_t index,
                               const TraverseLine& replacement) {
  TraverseSums s;
  for (size_t i = 0; i < lines.size(); ++i) {
    const TraverseLine& l = i == index ? replacement : lines[i];
    s.perimeter += l.length;
    s.north += l.offsets.north;
    s.east += l.offsets.east;
  }
  return s;
}

}  // namespace tw
