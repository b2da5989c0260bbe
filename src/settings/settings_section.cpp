#include "settings/settings_section.h"

#include <array>
#include <filesystem>
#include <utility>

#include "settings/folders.h"
#include "settings/ini_file.h"

namespace tw {
namespace {

constexpr std::string_view kSection = "SETTINGS";

constexpr std::array<std::pair<SettingKey, std::string_view>, 5> kKeys = {{
    {SettingKey::Mode, "MODE"},
    {SettingKey::System, "SYSTEM"},
    {SettingKey::Standard, "STANDARD"},
    {SettingKey::EqualScales, "EQUALSCALES"},
    {SettingKey::Labels, "LABELS"},
}};

std::string_view NameOf(SettingKey key) {
  for (const auto& [k, name] : kKeys) {
    if (k == key)
      return name;
  }
  return {};
}

}  // namespace

std::string ReadSetting(SettingKey key, const std::string& settings_path) {
  return ReadIniString(kSection, NameOf(key), settings_path);
}

void StoreSetting(SettingKey key, std::string_view value, const std::string& settings_path) {
  const std::filesystem::path folder = std::filesystem::path(settings_path).parent_path();
  if (!folder.empty())
    EnsureFolder(folder.string());
  (void)WriteIniString(kSection, NameOf(key), value, settings_path);
}

}  // namespace tw
