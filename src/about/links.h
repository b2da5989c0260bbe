// The help file and the makers' web page and e-mail address, each handed to
// the desktop's open service. A desktop with no program for a file says
// nothing, so the help and the report say it themselves; the addresses are
// left to the desktop.
#pragma once

#include <string>

#include "ports/desktop.h"
#include "ports/message_box.h"
#include "ports/program_folder.h"

namespace tw {

inline constexpr const char* kHelpFileName = "QuadrellHelp.html";

// The help file beside the program (a build or portable folder) when it is
// there, else the one installed under share/tractwise of the prefix whose
// bin/ holds the program. The second is not checked.
std::string HelpFilePath(const std::string& program_folder);

// Opens a file the program has written or installed; when the desktop finds
// no program for it, says so (title "Quadrell", information icon), adding
// that the file was saved when the program has just written it. A viewer
// that starts and then fails is not noticed.
void OpenForViewing(const std::string& path, bool just_saved, Desktop& desktop,
                    MessageBox& messages);

// ShowHelp: opens HelpFilePath of the program's folder.
void ShowHelp(const ProgramFolder& folder, Desktop& desktop, MessageBox& messages);

// OpenWebPage: opens the makers' web address.
void OpenWebPage(Desktop& desktop);

// OpenMailTo: opens "mailto:" and the makers' e-mail address, which starts a
// new message without subject or body in the default mail program.
void OpenMailTo(Desktop& desktop);

}  // namespace tw
