// [SETTINGS]: the section of the settings file that holds the window's
// remembered choices, and its keys.
#pragma once

#include <string>
#include <string_view>

namespace tw {

enum class SettingKey { Mode, System, Standard, EqualScales, Labels };

// The key's value as ReadIniString gives it; "" when missing.
std::string ReadSetting(SettingKey key, const std::string& settings_path);

// Writes the key in place, every other line kept. The settings folder may be
// the user's configuration folder, which need not exist before the first
// choice is stored, so it is made first. A failed write goes unnoticed: the
// choice still holds for this run.
void StoreSetting(SettingKey key, std::string_view value, const std::string& settings_path);

}  // namespace tw
