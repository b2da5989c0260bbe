#include "report/program_info.h"

#include <string>

#include "boundary/version.h"

namespace tw {

std::string VersionLine() {
  return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
         std::to_string(kVersionRevision);
}

}  // namespace tw
