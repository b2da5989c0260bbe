// The walk of the entry list to its corners used by most readers of the
// list as a boundary: the area and closure, the redraw, the exports, the
// report and the closure analysis. The plat still walks the list its own way.
//
// The caller chooses how the entries are read, once for the whole list, by
// its own rule: some by entry 0 (KindOf), some by EntryMode. The walk is a
// template over the visitor so that the hot paths (the area after every add,
// the redraw) pay for no vector and no indirect call per entry.
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
};

// The step of one entry from the corner before it: a bearing entry adds its
// offsets, a point entry is its own X and Y. Fails with the reader's reason.
inline Result<CornerStep> StepFrom(EntryKind kind, std::string_view entry, PlanePoint previous) {
  CornerStep step;
  if (kind == EntryKind::Angle) {
    BearingFieldsView f;
    if (!ReadBearingEntryTo(entry, f))
      return Error{ReadBearingEntryView(entry).error()};
    step.offsets = LatDep(f.quadrant, f.degrees, f.minutes, f.seconds, f.length);
    step.corner = {previous.east + step.offsets.east, previous.north + step.offsets.north};
    step.distance = f.length;
    return step;
  }
  const Result<PointFields> p = ReadPointEntry(entry);
  if (!p)
    return Error{p.error()};
  step.corner = {p->x, p->y};
  step.offsets = {p->x - previous.east, p->y - previous.north};
  return step;
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

namespace walk_detail {

inline UnreadableEntry Unreadable(const EntryTexts& entries, size_t i, const std::string& reason) {
  return UnreadableEntry{i, UnreadableEntryMessage(i, entries[i], reason)};
}

// One loop per kind, so the kind is decided once, not per entry.
template <class Visit>
std::optional<UnreadableEntry> WalkBearings(const EntryTexts& entries, PlanePoint start,
                                            Visit& visit) {
  CornerStep s;
  s.corner = start;
  BearingFieldsView f;
  for (size_t i = 0; i < entries.size(); ++i) {
    // No Result per entry: the reason is read again only where the walk stops.
    if (!ReadBearingEntryTo(entries[i], f))
      return Unreadable(entries, i, ReadBearingEntryView(entries[i]).error());
    s.index = i;
    s.offsets = LatDep(f.quadrant, f.degrees, f.minutes, f.seconds, f.length);
    s.corner = {s.corner.east + s.offsets.east, s.corner.north + s.offsets.north};
    s.distance = f.length;
    visit(static_cast<const CornerStep&>(s));
  }
  return std::nullopt;
}

template <class Visit>
std::optional<UnreadableEntry> WalkPoints(const EntryTexts& entries, PlanePoint start,
                                          Visit& visit) {
  CornerStep s;
  s.corner = start;
  for (size_t i = 0; i < entries.size(); ++i) {
    const Result<PointFields> p = ReadPointEntry(entries[i]);
    if (!p)
      return Unreadable(entries, i, p.error());
    s.index = i;
    s.offsets = {p->x - s.corner.east, p->y - s.corner.north};
    s.corner = {p->x, p->y};
    visit(static_cast<const CornerStep&>(s));
  }
  return std::nullopt;
}

}  // namespace walk_detail

// Calls visit(const CornerStep&) for every entry in order, from `start`,
// each step as StepFrom gives it. Stops at the first entry that cannot be
// read, before visiting it.
template <class Visit>
[[nodiscard]] std::optional<UnreadableEntry> WalkEntries(const EntryTexts& entries, EntryKind kind,
                                                         PlanePoint start, Visit&& visit) {
  return kind == EntryKind::Angle ? walk_detail::WalkBearings(entries, start, visit)
                                  : walk_detail::WalkPoints(entries, start, visit);
}

}  // namespace tw
