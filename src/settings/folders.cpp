#include "settings/folders.h"

#include <filesystem>
#include <system_error>

namespace tw {
namespace {

constexpr const char* kOwnFolderName = "tractwise";

bool IsUnder(const std::filesystem::path& folder, const std::filesystem::path& root) {
  auto f = folder.begin();
  for (auto r = root.begin(); r != root.end(); ++r, ++f) {
    if (f == folder.end() || *f != *r)
      return false;
  }
  return true;
}

// Installed system locations; a program there shares its folder with every
// user and is replaced by the next update, so nothing of the user's goes in it.
bool IsInstalledLocation(const std::string& program_folder) {
  const std::filesystem::path folder = std::filesystem::path(program_folder).lexically_normal();
  return IsUnder(folder, "/usr") || IsUnder(folder, "/opt");
}

// An XDG base folder: the variable when it holds an absolute path (the XDG
// rule says to ignore a relative one), else the home-relative default.
std::string BaseFolder(const EnvironmentLookup& getenv, const char* variable,
                       const char* home_default) {
  const char* value = getenv(variable);
  if (value && value[0] == '/')
    return value;
  const char* home = getenv("HOME");
  if (home && home[0] == '/')
    return std::string(home) + "/" + home_default;
  return "";
}

}  // namespace

ProgramFolders ChooseFolders(const std::string& program_folder, const EnvironmentLookup& getenv) {
  if (!IsInstalledLocation(program_folder))
    return {program_folder, program_folder};
  const std::string config = BaseFolder(getenv, "XDG_CONFIG_HOME", ".config");
  const std::string data = BaseFolder(getenv, "XDG_DATA_HOME", ".local/share");
  // Without a home there is no user folder to prefer.
  return {config.empty() ? program_folder : config + "/" + kOwnFolderName,
          data.empty() ? program_folder : data + "/" + kOwnFolderName};
}

bool EnsureFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return std::filesystem::is_directory(folder, error);
}

std::string SettingsFilePath(const ProgramFolders& folders) {
  return folders.settings + "/Quadrell.ini";
}

std::string ReportFilePath(const ProgramFolders& folders) {
  return folders.data + "/report.txt";
}

}  // namespace tw
