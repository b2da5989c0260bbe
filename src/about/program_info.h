// What the program says about itself in its splash, its About box and its
// main window's caption.
#pragma once

#include <string>

namespace tw {

// "Version " and the major, minor and revision numbers of the build joined
// by ".", as plain whole numbers: "Version 1.1.2".
std::string VersionLine();

// The main window's caption, the title before the version line:
// "Quadrell    - Version 1.1.2".
std::string MainCaption();

}  // namespace tw
