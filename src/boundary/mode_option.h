// Putting a mode option down from code, as Open and Import do.
#pragma once

#include <cstddef>

#include "base/entry_mode.h"
#include "boundary/mode_controls.h"

namespace tw {

// The mode's option down and the other two up, with the mode menu's check
// marks to match. The window runs the rest of the option's click (strip,
// default button, settings file).
ModeControls PressModeOption(ModeControls c, ModeOption mode);

// The locks of a list that replaced the whole boundary: those of the old list
// are lifted first, so an option the old list had locked is free again when
// the new list allows it.
ModeControls RelockModeControls(ModeControls c, size_t entry_count);

}  // namespace tw
