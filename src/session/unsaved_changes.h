// Whether the boundary changed since it was last opened, saved or emptied,
// and the question asked before a command throws such a boundary away.
#pragma once

#include <functional>
#include <optional>

#include "boundary/entry_list.h"
#include "boundary/ports/question_box.h"

namespace tw {

inline constexpr const char* kSaveChangesQuestion = "Save changes to the boundary?";

class ChangeTracker {
 public:
  // The list as it is now holds nothing that could be lost.
  void MarkClean(const EntryList& list) { clean_revision_ = list.Revision(); }
  // The list holds work that exists nowhere else (a recovered boundary).
  void MarkChanged() { clean_revision_.reset(); }
  // An empty list has nothing to lose, whatever happened to it.
  bool HasUnsavedWork(const EntryList& list) const {
    return !list.Empty() && clean_revision_ != list.Revision();
  }

 private:
  // Starts as the revision of a new, empty list.
  std::optional<unsigned long long> clean_revision_ = 0;
};

// Asks before a command empties or replaces a boundary with unsaved work:
// Save runs save_as, which says whether the file was written; Discard goes
// on; Cancel stops. True when the command may go on. Without unsaved work
// nothing is asked.
bool MayThrowAwayBoundary(bool unsaved_work, QuestionBox& questions,
                          const std::function<bool()>& save_as);

}  // namespace tw
