// The help file and the makers' web page and e-mail address, each handed to
// the desktop's open service. Nothing about the result is checked: a desktop
// that cannot open them shows its own message, if any.
#pragma once

#include <string>

#include "boundary/ports/desktop.h"
#include "boundary/ports/program_folder.h"

namespace tw {

inline constexpr const char* kHelpFileName = "QuadrellHelp.html";

// The help file beside the program (a build or portable folder) when it is
// there, else the one installed under share/tractwise of the prefix whose
// bin/ holds the program. The second is not checked.
std::string HelpFilePath(const std::string& program_folder);

// ShowHelp: opens HelpFilePath of the program's folder.
void ShowHelp(const ProgramFolder& folder, Desktop& desktop);

// OpenWebPage: opens the makers' web address.
void OpenWebPage(Desktop& desktop);

// OpenMailTo: opens "mailto:" and the makers' e-mail address, which starts a
// new message without subject or body in the default mail program.
void OpenMailTo(Desktop& desktop);

}  // namespace tw
