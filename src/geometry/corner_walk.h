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

#include <cmath>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "boundary/curve_entry.h"
#include "boundary/entry.h"
#include "boundary/entry_texts.h"
#include "geometry/bearing.h"
#include "geometry/curve.h"
#include "geometry/plane.h"

namespace tw {

// What one entry contributes.
struct CornerStep {
  size_t index = 0;
  PlanePoint corner;  // the corner the entry reaches
  Offsets offsets;    // from the corner before: a bearing's own, a point's difference
  // A bearing entry's distance as converted (it may be negative), a curve's
  // chord; a point entry has none and gives 0.
  double distance = 0;
  // The signed area the entry adds beside the straight side from the corner
  // before to its own: a curve's segment, none for a line or a point.
  double own_area = 0;
  // The direction the entry ends in (a line's bearing, a curve's tangent at
  // its end), which a tangent curve after it follows; none after a point.
  double heading = 0;
  bool has_heading = false;
  // A curve entry's elements; `curve` is false for a line or a point.
  bool is_curve = false;
  CurveElements arc;
};

// The corner the step started from.
inline PlanePoint StartOf(const CornerStep& s) {
  return {s.corner.east - s.offsets.east, s.corner.north - s.offsets.north};
}

// The length along the boundary: a curve's arc, a line's distance.
inline double PathLength(const CornerStep& s) {
  return s.is_curve ? s.arc.arc : std::fabs(s.distance);
}

// A curve's step: its chord from the corner before, its segment beside it.
inline bool StepOnCurve(std::string_view entry, CornerStep& s) {
  CurveCall call;
  if (!ReadCurveEntryTo(entry, call))
    return false;
  CurveElements e;
  if (!ComputeCurve(call, s.has_heading ? std::optional<double>(s.heading) : std::nullopt, e))
    return false;
  s.arc = e;
  s.is_curve = true;
  s.offsets = e.chord_offsets;
  s.corner = {s.corner.east + s.offsets.east, s.corner.north + s.offsets.north};
  s.distance = e.chord;
  s.own_area = e.segment_area;
  s.heading = e.end_heading;
  s.has_heading = true;
  return true;
}

// The one step: reads `entry` as `kind` and moves `s` on from its corner to
// the entry's. False, leaving `s` as it was, when the entry cannot be read;
// only then is UnreadableReason asked why, so a good entry builds no Result.
inline bool StepOn(EntryKind kind, std::string_view entry, CornerStep& s) {
  if (kind == EntryKind::Angle) {
    if (IsCurveEntry(entry))
      return StepOnCurve(entry, s);
    BearingFieldsView f;
    if (!ReadBearingEntryTo(entry, f))
      return false;
    s.heading = DirectionRadians(DirectionAngle(f.quadrant, f.degrees, f.minutes, f.seconds));
    s.offsets = LatDepAt(s.heading, f.length);
    s.corner = {s.corner.east + s.offsets.east, s.corner.north + s.offsets.north};
    s.distance = f.length;
    s.own_area = 0;
    s.has_heading = true;
    s.is_curve = false;
    return true;
  }
  const Result<PointFields> p = ReadPointEntry(entry);
  if (!p)
    return false;
  s.offsets = {p->x - s.corner.east, p->y - s.corner.north};
  s.corner = {p->x, p->y};
  s.distance = 0;
  s.has_heading = false;
  s.is_curve = false;
  return true;
}

// The reader's reason for an entry StepOn could not read after `before`.
inline std::string UnreadableReason(EntryKind kind, std::string_view entry,
                                    const CornerStep& before) {
  if (kind == EntryKind::Point)
    return ReadPointEntry(entry).error();
  if (!IsCurveEntry(entry))
    return ReadBearingEntryView(entry).error();
  const Result<CurveCall> call = ReadCurveEntry(entry);
  if (!call)
    return call.error();
  return before.has_heading ? std::string() : kTangentFirstReason;
}

// The direction entry `from` - 1 ends in, for a walk that starts at `from`:
// a tangent curve there needs it. Reads back only to the last entry that
// sets its own direction, so a resumed walk stays as short as its resumption.
inline void TakeHeadingBefore(const EntryTexts& entries, EntryKind kind, size_t from,
                              CornerStep& s) {
  s.has_heading = false;
  if (from == 0 || kind != EntryKind::Angle || !IsCurveEntry(entries[from]))
    return;
  size_t first = from - 1;
  while (first > 0 && IsCurveEntry(entries[first]) && entries[first].ends_with(" tangent"))
    --first;
  CornerStep scratch;
  for (size_t i = first; i < from; ++i) {
    if (!StepOn(kind, entries[i], scratch))
      return;
  }
  s.heading = scratch.heading;
  s.has_heading = scratch.has_heading;
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
  TakeHeadingBefore(entries, kind, from, s);
  for (size_t i = from; i < entries.size(); ++i) {
    if (!StepOn(kind, entries[i], s)) {
      return UnreadableEntry{
          i, UnreadableEntryMessage(i, entries[i], UnreadableReason(kind, entries[i], s))};
    }
    s.index = i;
    visit(static_cast<const CornerStep&>(s));
  }
  return std::nullopt;
}

}  // namespace tw
