// The window program's command line, read before any Qt object exists so that
// --help and --version answer without a display. No Qt here.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tw {

// What the program prints and returns instead of starting its windows.
struct CommandLineExit {
  int exit_code = 0;  // 0 for --help and --version, 2 for an unknown option
  std::string out;    // for stdout
  std::string err;    // for stderr
};

struct CommandLine {
  // Set when the program ends here: the first argument before "--" that
  // starts with "-" decides, --help, --version or the usage as an error.
  std::optional<CommandLineExit> exit;
  // The other arguments and all after "--", in order: files to open.
  std::vector<std::string> files;
};

inline constexpr int kStartFailed = 1;
inline constexpr int kUsageError = 2;

// The usage text, ending in a line feed.
std::string WindowUsage();

// args exclude the program name.
CommandLine ReadCommandLine(const std::vector<std::string>& args);

// The message when the windows have nowhere to go, for stderr: no platform
// named in QT_QPA_PLATFORM and no display in DISPLAY or WAYLAND_DISPLAY (each
// empty when unset). Qt would abort the process there.
std::optional<std::string> NoDisplayMessage(std::string_view platform, std::string_view display,
                                            std::string_view wayland_display);

// When Qt itself fails to start a platform that seemed available.
inline constexpr const char* kDisplayNotOpened =
    "quadrell needs a display, but none could be opened.\n";

}  // namespace tw
