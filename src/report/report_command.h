// Report: writes report.txt and hands it to the desktop's viewer.
#pragma once

#include "ports/desktop.h"
#include "ports/message_box.h"
#include "program/program.h"
#include "settings/folders.h"

namespace tw {

inline constexpr const char* kNothingToReport = "Nothing to report";

// An empty list shows "Nothing to report" and writes nothing. Otherwise the
// report replaces "report.txt" in the data folder (created when missing) and
// the desktop opens it (or the user is told that no program could open it).
// A report that cannot be built or written shows one
// message naming the entry or the file, and no viewer is started. Leaves the
// last entry selected.
void WriteBoundaryReport(Program& program, MessageBox& messages, Desktop& desktop,
                         const ProgramFolders& folders);

}  // namespace tw
