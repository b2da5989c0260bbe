// Which folders hold the settings file and the report: one decision, here.
#pragma once

#include <functional>
#include <string>

namespace tw {

struct ProgramFolders {
  std::string settings;  // holds "Quadrell.ini"
  std::string data;      // holds "report.txt"
};

// Reads an environment variable; nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// The program's own folder when it is a portable or build folder; the user's
// configuration and data folders ($XDG_CONFIG_HOME or ~/.config, and
// $XDG_DATA_HOME or ~/.local/share, each with "/tractwise") when the program
// runs from an installed system location (under /usr or /opt). Decided by
// location only: these machines may run as root, who can write anywhere.
ProgramFolders ChooseFolders(const std::string& program_folder, const EnvironmentLookup& getenv);

// Creates the folder and its parents when missing; false when that failed.
bool EnsureFolder(const std::string& folder);

std::string SettingsFilePath(const ProgramFolders& folders);  // .../Quadrell.ini
std::string ReportFilePath(const ProgramFolders& folders);    // .../report.txt

}  // namespace tw
