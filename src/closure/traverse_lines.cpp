#include "closure/traverse_lines.h"

#include <cmath>

#include "boundary/bearing.h"
#include "boundary/entry.h"

namespace tw {

Result<TraverseLine> ReadTraverseLine(std::string_view entry) {
  const Result<BearingFieldsView> f = ReadBearingEntryView(entry);
  if (!f)
    return Error{f.error()};
  return LineOf(*f);
}

TraverseLine LineOf(const BearingFieldsView& f) {
  // ComputeLatDep without converting the distance text a second time, as
  // ComputeEntryLatDep does.
  const Offsets o = LatDep(f.quadrant, f.degrees, f.minutes, f.seconds, f.length);
  return {o.dx, o.dy, std::fabs(f.length)};
}

Result<std::vector<TraverseLine>> ReadTraverseLines(const std::vector<std::string>& entries) {
  std::vector<TraverseLine> lines;
  lines.reserve(entries.size());
  for (size_t i = 0; i < entries.size(); ++i) {
    const Result<TraverseLine> line = ReadTraverseLine(entries[i]);
    if (!line)
      return Error{UnreadableEntryMessage(i, entries[i], line.error())};
    lines.push_back(*line);
  }
  return lines;
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
    s.north += l.dy;
    s.east += l.dx;
  }
  return s;
}

}  // namespace tw
