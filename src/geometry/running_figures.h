// The area and closure of the program's own list, kept up as it changes, so
// that adding a line reads that line and not the whole list again.
//
// The running corner and the running shoelace sum are added in exactly the
// order ComputeFigures adds them, so every figure is the same to the last
// bit. Where the list changed (EntryList::FirstChanged) the sums go back to
// the last checkpoint before it and read on from there: Undo reads at most a
// checkpoint's span, Open, Import, Clear and a correction read from the
// changed entry on.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "base/result.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"

namespace tw {

class RunningFigures {
 public:
  // What ComputeFigures(entries, state) gives, the same message included when
  // an entry cannot be read. Reads only the entries changed since the last
  // call, and tells the list that it has (ForgetChanges). A point list starts
  // at FirstPointX/FirstPointY: when those moved, every entry is read again.
  Result<BoundaryFigures> CatchUp(EntryList& entries, const ProgramState& state);

  // The figures taken from a walk of the whole list that its caller makes
  // anyway (the redraw), instead of a walk of their own: Restart at the start
  // corner CatchUp would take, Add every step in order, then Finish with
  // where the walk stopped, if it did.
  void Restart(EntryKind kind, PlanePoint start);
  void Add(const CornerStep& step);
  void Finish(EntryList& entries, std::optional<UnreadableEntry> stop);

 private:
  // A checkpoint every kSpan entries: the memory of one set of sums per kSpan
  // entries, and an Undo that reads at most kSpan entries again.
  static constexpr size_t kSpan = 64;

  void GoBackTo(size_t changed);
  void ReadOn(const EntryList& entries);

  EntryKind kind_ = EntryKind::Angle;
  // marks_[j] holds the sums after j * kSpan entries; marks_[0] the start.
  std::vector<CornerSums> marks_;
  // The sums after the first read_ entries.
  CornerSums last_{PlanePoint{}};
  size_t read_ = 0;
  // Entry read_ when it cannot be read: nothing after it is.
  std::optional<UnreadableEntry> stop_;
};

}  // namespace tw
