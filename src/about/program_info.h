// What the program says about itself in its splash and About box.
#pragma once

#include <string>

namespace tw {

// "Version " and the major, minor and revision numbers of the build joined
// by ".", as plain whole numbers: "Version 1.1.2".
std::string VersionLine();

}  // namespace tw
