#include "about/program_info.h"

#include <string>

#include "base/version.h"

namespace tw {

std::string VersionLine() {
  return std::string("Version ") + kVersionText;
}

}  // namespace tw
