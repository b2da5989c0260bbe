#include "base/program_options.h"

#include "base/version.h"

namespace tw {

std::string HelpVersionUsageLine(std::string_view program) {
  return "       " + std::string(program) + " --help | --version\n";
}

std::optional<std::string> AnswerHelpVersion(std::string_view arg, std::string_view program,
                                             std::string (*usage)()) {
  if (arg == "--help")
    return usage();
  if (arg == "--version")
    return std::string(program) + ' ' + kVersionText + '\n';
  return std::nullopt;
}

}  // namespace tw
