// Whether the boundary changed since it was last opened, saved or emptied,
// and the question asked before a command throws such a boundary away.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "ports/question_box.h"

namespace tw {

inline constexpr const char* kSaveChangesQuestion = "Save changes to the boundary?";

// What a project file holds, told apart cheaply: the list's revision and
// the header's values (a point list's unit is switched without an entry
// changing, and is saved with it) and the location, likewise saved.
struct ProjectMark {
  unsigned long long revision = 0;
  double first_x = 0;
  double first_y = 0;
  std::string unit;
  std::optional<Location> location;

  bool operator==(const ProjectMark&) const = default;
};
ProjectMark MarkOf(const EntryList& list, const ProgramState& state);

class ChangeTracker {
 public:
  // The boundary as it is now holds nothing that could be lost.
  void MarkClean(const EntryList& list, const ProgramState& state) { clean_ = MarkOf(list, state); }
  // The boundary holds work that exists nowhere else (a recovered boundary).
  void MarkChanged() { clean_.reset(); }
  // An empty list has nothing to lose, whatever happened to it.
  bool HasUnsavedWork(const EntryList& list, const ProgramState& state) const {
    return !list.Empty() && clean_ != MarkOf(list, state);
  }

 private:
  // Unset until the first MarkClean, as for a recovered boundary.
  std::optional<ProjectMark> clean_;
};

// Asks before a command empties or replaces a boundary with unsaved work:
// Save runs save_as, which says whether the file was written; Discard goes
// on; Cancel stops. True when the command may go on. Without unsaved work
// nothing is asked.
bool MayThrowAwayBoundary(bool unsaved_work, QuestionBox& questions,
                          const std::function<bool()>& save_as);

}  // namespace tw
