// The trials of the blunder finder: the single-entry mistakes tried on one
// line, each handed on as the corrected entry and the line it would give.
#pragma once

#include <string>
#include <string_view>

#include "boundary/entry.h"
#include "closure/blunder_kind.h"
#include "closure/traverse_lines.h"
#include "geometry/bearing.h"

namespace tw {

// Takes the trials that count: they differ from the entry, keep the angle
// fields in range and whole, and read as entries.
class TrialSink {
 public:
  virtual void Take(BlunderKind kind, const std::string& corrected, const TraverseLine& line) = 0;

 protected:
  ~TrialSink() = default;
};

// An entry as the trials read it: its fields and its offsets at distance 1.
struct TrialEntry {
  BearingFieldsView fields;
  Offsets unit;
};

// False for an entry the trials cannot read; it is then not tried.
bool ReadTrialEntry(std::string_view entry, TrialEntry& read);

// The trials that depend on the entry alone, always in the same order: the
// quadrants, degrees and minutes, the digit swaps, the decimal point.
void TryEntry(std::string_view entry, const TrialEntry& read, TrialSink& sink);

// Whether the line lies within 2 degrees of the misclosure's direction, its
// reverse or its perpendicular: only then does TryGeometry try anything.
bool NearMisclosure(const Offsets& unit, const TraverseSums& sums);

// The trials that depend on the misclosure: a wrong distance along it, a
// wrong bearing across it.
void TryGeometry(std::string_view entry, const TrialEntry& read, const TraverseSums& sums,
                 TrialSink& sink);

}  // namespace tw
