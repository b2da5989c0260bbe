#include "settings/view_settings.h"

#include "settings/ini_file.h"

namespace tw {
namespace {

constexpr std::string_view kSection = "SETTINGS";
constexpr std::string_view kEqualScalesKey = "EQUALSCALES";
constexpr std::string_view kLabelsKey = "LABELS";

}  // namespace

ViewSettings ReadViewSettings(const std::string& settings_path) {
  ViewSettings v;
  v.equal_scales = ReadIniString(kSection, kEqualScalesKey, settings_path) != "0";
  v.labels = ReadIniString(kSection, kLabelsKey, settings_path) == "1";
  return v;
}

void StoreEqualScales(bool on, const std::string& settings_path) {
  WriteIniString(kSection, kEqualScalesKey, on ? "1" : "0", settings_path);
}

void StoreLabels(bool on, const std::string& settings_path) {
  WriteIniString(kSection, kLabelsKey, on ? "1" : "0", settings_path);
}

}  // namespace tw
