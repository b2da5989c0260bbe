#include "session/command_line.h"

#include <utility>

#include "base/program_options.h"

namespace tw {
namespace {

constexpr std::string_view kProgram = "quadrell";

CommandLineExit AnswerOption(const std::string& option) {
  if (std::optional<std::string> answer = AnswerHelpVersion(option, kProgram, WindowUsage))
    return {0, std::move(*answer), ""};
  return {kUsageError, "", WindowUsage()};
}

}  // namespace

std::string WindowUsage() {
  return "usage: quadrell [FILE]\n" + HelpVersionUsageLine(kProgram) +
         "FILE is a project file (.twc) to open, or a point file to import.\n"
         "\"--\" ends the options, for a file whose name starts with \"-\".\n";
}

CommandLine ReadCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  for (auto arg = args.begin(); arg != args.end(); ++arg) {
    if (*arg == "--") {
      line.files.insert(line.files.end(), arg + 1, args.end());
      break;
    }
    if (arg->starts_with('-')) {
      line.exit = AnswerOption(*arg);
      return line;
    }
    line.files.push_back(*arg);
  }
  return line;
}

std::optional<std::string> NoDisplayMessage(std::string_view platform, std::string_view display,
                                            std::string_view wayland_display) {
  if (!platform.empty() || !display.empty() || !wayland_display.empty())
    return std::nullopt;
  return "quadrell needs a display, but neither DISPLAY nor WAYLAND_DISPLAY is set "
         "(QT_QPA_PLATFORM=offscreen starts it without one).\n";
}

}  // namespace tw
