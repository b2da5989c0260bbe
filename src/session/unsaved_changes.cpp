#include "session/unsaved_changes.h"

#include "ports/message_box.h"

namespace tw {

ProjectMark MarkOf(const EntryList& list, const ProgramState& state) {
  return {list.Revision(), state.FirstPointX, state.FirstPointY, state.UnitAbbrev, state.location};
}

bool MayThrowAwayBoundary(bool unsaved_work, QuestionBox& questions,
                          const std::function<bool()>& save_as) {
  if (!unsaved_work)
    return true;
  switch (questions.AskSave(kSaveChangesQuestion, kProgramTitle)) {
    case SaveAnswer::Save:
      // A cancelled or failed save (after its own message) keeps the work.
      return save_as();
    case SaveAnswer::Discard:
      return true;
    case SaveAnswer::Cancel:
      break;
  }
  return false;
}

}  // namespace tw
