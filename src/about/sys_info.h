// The About box's System Info button: start the desktop's own
// system-information program.
#pragma once

#include <array>

#include "ports/desktop.h"
#include "ports/message_box.h"

namespace tw {

// Looked up on the PATH in this order; the first found is the one started.
// Dedicated information tools first, then the information panels of the big
// desktops.
inline constexpr std::array<const char*, 4> kSysInfoPrograms = {"hardinfo2", "hardinfo",
                                                                "kinfocenter", "xfce4-about"};

inline constexpr const char* kSysInfoUnavailable = "System Information Is Unavailable At This Time";

// StartSysInfo: starts the first program of kSysInfoPrograms found on the
// PATH, detached. It does not look further when that one fails to start: as
// when none is found, it shows kSysInfoUnavailable (OK, no icon, the
// program's title).
void StartSysInfo(Launcher& launcher, MessageBox& message_box);

}  // namespace tw
