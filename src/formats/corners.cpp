#include "formats/corners.h"

#include "base/entry_mode.h"

namespace tw {

Result<std::vector<PlanePoint>> WalkCorners(const EntryTexts& entries, std::string_view entry_mode,
                                            PlanePoint start) {
  const EntryKind kind = IsPointMode(entry_mode) ? EntryKind::Point : EntryKind::Angle;
  std::vector<PlanePoint> corners;
  corners.reserve(entries.size());
  const std::optional<UnreadableEntry> stop = WalkEntries(
      entries, kind, start, [&corners](const CornerStep& s) { corners.push_back(s.corner); });
  if (stop)
    return Error{stop->message};
  return corners;
}

}  // namespace tw
