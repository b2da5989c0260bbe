#include "about/program_info.h"

#include <string>

#include "base/version.h"
#include "ports/message_box.h"

namespace tw {

std::string VersionLine() {
  return std::string("Version ") + kVersionText;
}

std::string MainCaption() {
  return std::string(kProgramTitle) + "    - " + VersionLine();
}

}  // namespace tw
