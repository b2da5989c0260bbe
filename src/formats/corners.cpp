#include "formats/corners.h"

#include "boundary/bearing.h"
#include "boundary/entry.h"

namespace tw {
namespace {

Result<Corner> NextCorner(const std::string& entry, bool point_mode, Corner previous) {
  if (point_mode) {
    const Result<PointFields> p = ReadPointEntry(entry);
    if (!p)
      return Error{p.error()};
    return Corner{p->x, p->y};
  }
  const Result<Offsets> o = ComputeEntryLatDep(entry);
  if (!o)
    return Error{o.error()};
  return Corner{previous.x + o->dx, previous.y + o->dy};
}

}  // namespace

Result<std::vector<Corner>> WalkCorners(const std::vector<std::string>& entries,
                                        std::string_view entry_mode, Corner start) {
  const bool point_mode = entry_mode == "Point";
  std::vector<Corner> corners;
  corners.reserve(entries.size());
  Corner c = start;
  for (size_t i = 0; i < entries.size(); ++i) {
    const Result<Corner> next = NextCorner(entries[i], point_mode, c);
    if (!next)
      return Error{UnreadableEntryMessage(i, entries[i], next.error())};
    c = *next;
    corners.push_back(c);
  }
  return corners;
}

}  // namespace tw
