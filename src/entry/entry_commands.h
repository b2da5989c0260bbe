// The three add commands, Undo and Clear, over the texts of the entry boxes.
//
// The window reads its boxes into the fields, runs a command, writes the
// fields back (a command changes them as it changes the boxes: "00" padding,
// emptied after an add), then applies the control states and the focus.
#pragma once

#include <optional>
#include <string>

#include "base/result.h"
#include "boundary/mode_controls.h"
#include "entry/curve_fields.h"
#include "program/program.h"

namespace tw {

struct SurveyorFields {
  std::string quadrant;  // "NE", "NW", "SW" or "SE"
  std::string degrees, minutes, seconds, length;
};

struct CarpenterFields {
  std::string direction;  // "0 Degrees" ... "315 Degrees"
  std::string major, minor;
};

struct PointFieldTexts {
  std::string x, y;
};

struct CommandOutcome {
  enum class Kind {
    Added,    // the entry is in the list, logged and drawn
    Ignored,  // incomplete input, silently nothing added
    Refused,  // a line that could never be read back: nothing added, message
  };
  Kind kind = Kind::Ignored;
  // For Refused, why. For Added, empty unless an entry already in the list
  // cannot be read (the new one is in, but the plot or area stopped there).
  // Windows-1252, shown with the program title.
  std::string message;
};

// The states of the window's controls that the commands change.
struct EntryControls {
  ModeControls modes;
  bool cmdUndo_enabled = false;
};

CommandOutcome AddSurveyorLine(Program& program, EntryControls& controls, SurveyorFields& fields);
CommandOutcome AddCarpenterLine(Program& program, EntryControls& controls, CarpenterFields& fields);
CommandOutcome AddPoint(Program& program, EntryControls& controls, PointFieldTexts& fields);

// A curve after the last entry, as a Surveyor line is added: listed, logged
// "Added curve: ENTRY" with the closure and area lines a line gets, drawn as
// an arc, its text boxes emptied. Ignored while the radius or the size is
// empty; refused with the reason in words, the boxes kept padded.
CommandOutcome AddSurveyorCurve(Program& program, EntryControls& controls, CurveFields& fields);

// The direction the list's last entry ends in, which a tangent curve added
// now follows; none for an empty list or one of points.
std::optional<double> HeadingAfterLast(const Program& program);

// Puts `corrected` in place of entry `index` (< Count()) and redraws, which
// logs the closure lines, then logs "Line N corrected: OLD -> NEW" (N from
// 1), so the old entry stays on record. Logs no area; Undo is not involved.
// Fails with the redraw's message when an entry cannot be read.
Status CorrectEntry(Program& program, size_t index, const std::string& corrected);

// Does nothing on an empty list.
void UndoLastEntry(Program& program, EntryControls& controls);
void ClearBoundary(Program& program, EntryControls& controls);

}  // namespace tw
