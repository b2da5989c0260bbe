// The window program's command line, read before any Qt object exists so that
// --help and --version answer without a display. No Qt here.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tw {

// What the program prints and returns instead of starting its windows.
struct CommandLineExit {
  int exit_code = 0;  // 0 for --help and --version, 2 for an unknown option
  std::string out;    // for stdout
  std::string err;    // for stderr
};

struct CommandLine {
  // Set when the program ends here: the first argument starting with "-"
  // decides, --help, --version or the usage as an error.
  std::optional<CommandLineExit> exit;
  // The other arguments, in order: files to open.
  std::vector<std::string> files;
};

inline constexpr int kUsageError = 2;

// The usage text, ending in a line feed.
std::string WindowUsage();

// args exclude the program name.
CommandLine ReadCommandLine(const std::vector<std::string>& args);

}  // namespace tw
