#include "closure/traverse_lines.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/corner_walk.h"

namespace tw {

namespace {

TraverseLine LineOf(const CornerStep& s) {
  const double length = std::fabs(s.distance);
  return {s.offsets, length, s.is_curve ? s.arc.arc - length : 0};
}

}  // namespace

double HeadingOf(const Offsets& o) {
  return std::atan2(o.north, o.east) * kAngleConstant / std::numbers::pi;
}

const TraverseCurve* CurveAt(std::span<const TraverseCurve> curves, size_t index) {
  const auto at = std::lower_bound(curves.begin(), curves.end(), index,
                                   [](const TraverseCurve& c, size_t i) { return c.index < i; });
  return at != curves.end() && at->index == index ? &*at : nullptr;
}

Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries) {
  CornerSums sums(PlanePoint{});
  return ReadTraverseLines(entries, sums);
}

Result<std::vector<TraverseLine>> ReadTraverseLines(const EntryTexts& entries, CornerSums& sums,
                                                    std::vector<TraverseCurve>* curves) {
  std::vector<TraverseLine> lines;
  lines.reserve(entries.size());
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, EntryKind::Angle, PlanePoint{}, [&](const CornerStep& s) {
        lines.push_back(LineOf(s));
        sums.Add(s);
        if (curves && s.is_curve)
          curves->push_back({s.index, std::string(entries[s.index]), s.arc});
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
    s.perimeter += l.length + l.bend;
    s.chords += l.length;
    s.north += l.offsets.north;
    s.east += l.offsets.east;
  }
  return s;
}

}  // namespace tw
