// The one walk of the entry list to its corners, used by every reader of the
// list as a boundary: the area and closure, the running figures, the redraw,
// the exports, the report, the closure analysis and the plat.
//
// The caller chooses how its list is read, by its own rule: some by entry 0
// (KindOf), some by EntryMode. Each entry is then read by that kind, as it
// always was: a hand-edited file can hold an entry of the other kind, and a
// bearing list reads one as a line (a quadrant other than the four runs due
// east) where a point list finds it unreadable. The walk is a template over
// the visitor so that the hot paths (the area after every add, the redraw)
// pay for no Result, no vector and no indirect call per entry.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "boundary/entry.h"
#include "boundary/entry_texts.h"
#include "geometry/bearing.h"
#include "geometry/plane.h"

namespace tw {

// What one entry contributes.
struct CornerStep {
  size_t index = 0;
  PlanePoint corner;  // the corner the entry reaches
  Offsets offsets;    // from the corner before: a bearing's own, a point's difference
  // A bearing entry's distance as converted (it may be negative); a point
  // entry has none and gives 0.
  double distance = 0;
  // The signed area the entry adds beside the straight side from the corner
  // before to its own: none for a bearing line or a point.
  double own_area = 0;
};

// The one step: reads `entry` as `kind` and moves `s` on from its corner to
// the entry's. False, leaving `s` as it was, when the entry cannot be read;
// only then is UnreadableReason asked why, so a good entry builds no Result.
inline bool StepOn(EntryKind kind, std::string_view entry, CornerStep& s) {
  if (kind == EntryKind::Angle) {
    BearingFieldsView f;
    if (!ReadBearingEntryTo(entry, f))
      return false;
    s.offsets = LatDep(f.quadrant, f.degrees, f.minutes, f.seconds, f.length);
    s.corner = {s.corner.east + s.offsets.east, s.corner.north + s.offsets.north};
    s.distance = f.length;
    return true;
  }
  const Result<PointFields> p = ReadPointEntry(entry);
  if (!p)
    return false;
  s.offsets = {p->x - s.corner.east, p->y - s.corner.north};
  s.corner = {p->x, p->y};
  s.distance = 0;
  return true;
}

// The reader's reason for an entry StepOn could not read.
inline std::string UnreadableReason(EntryKind kind, std::string_view entry) {
  return kind == EntryKind::Angle ? ReadBearingEntryView(entry).error()
                                  : ReadPointEntry(entry).error();
}

// The entry a walk stopped at, and the one message naming it.
struct UnreadableEntry {
  size_t index = 0;
  std::string message;
};

inline Status AsStatus(const std::optional<UnreadableEntry>& stop) {
  if (stop)
    return Error{stop->message};
  return Ok();
}

// Calls visit(const CornerStep&) for every entry in order from entry `from`,
// the first step taken from `start`. Stops at the first entry that cannot be
// read, before visiting it.
template <class Visit>
[[nodiscard]] std::optional<UnreadableEntry> WalkEntries(const EntryTexts& entries, EntryKind kind,
                                                         PlanePoint start, Visit&& visit,
                                                         size_t from = 0) {
  CornerStep s;
  s.corner = start;
  for (size_t i = from; i < entries.size(); ++i) {
    if (!StepOn(kind, entries[i], s)) {
      return UnreadableEntry{
          i, UnreadableEntryMessage(i, entries[i], UnreadableReason(kind, entries[i]))};
    }
    s.index = i;
    visit(static_cast<const CornerStep&>(s));
  }
  return std::nullopt;
}

}  // namespace tw
