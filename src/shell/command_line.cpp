#include "shell/command_line.h"

#include "boundary/version.h"

namespace tw {
namespace {

CommandLineExit AnswerOption(const std::string& option) {
  if (option == "--help")
    return {0, WindowUsage(), ""};
  if (option == "--version")
    return {0, std::string("quadrell ") + kVersionText + "\n", ""};
  return {kUsageError, "", WindowUsage()};
}

}  // namespace

std::string WindowUsage() {
  return "usage: quadrell [FILE]\n"
         "       quadrell --help | --version\n"
         "FILE is a project file (.twc) to open, or a point file to import.\n";
}

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (const std::string& arg : args) {
    if (arg.starts_with('-')) {
      line.exit = AnswerOption(arg);
      return line;
    }
    line.files.push_back(arg);
  }
  return line;
}

}  // namespace tw
