// Putting a mode option down from code, as Open and Import do.
#pragma once

#include <optional>
#include <string_view>

#include "boundary/mode_controls.h"

namespace tw {

// The option of the named mode ("Surveyor", "Carpenter", "Point", compared
// exactly) down and the other two up, with the mode menu's check marks to
// match; nullopt for any other text, which puts no option down.
std::optional<ModeControls> PressModeOption(ModeControls c, std::string_view mode);

// The locks of a list that replaced the whole boundary: those of the old list
// are lifted first, so an option the old list had locked is free again when
// the new list allows it.
ModeControls RelockModeControls(ModeControls c, size_t entry_count);

}  // namespace tw
