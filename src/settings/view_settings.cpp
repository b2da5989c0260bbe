#include "settings/view_settings.h"

#include "settings/settings_section.h"

namespace tw {

ViewSettings ReadViewSettings(const std::string& settings_path) {
  ViewSettings v;
  v.equal_scales = ReadSetting(SettingKey::EqualScales, settings_path) != "0";
  v.labels = ReadSetting(SettingKey::Labels, settings_path) == "1";
  return v;
}

void StoreEqualScales(bool on, const std::string& settings_path) {
  StoreSetting(SettingKey::EqualScales, on ? "1" : "0", settings_path);
}

void StoreLabels(bool on, const std::string& settings_path) {
  StoreSetting(SettingKey::Labels, on ? "1" : "0", settings_path);
}

}  // namespace tw
