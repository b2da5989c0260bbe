#include "settings/standard_setting.h"

#include <charconv>

#include "settings/ini_file.h"

namespace tw {
namespace {

constexpr const char* kSection = "SETTINGS";
constexpr const char* kKey = "STANDARD";

}  // namespace

bool IsStandard(long long s) {
  return s >= kLowestStandard && s <= kHighestStandard;
}

int ReadStoredStandard(const std::string& settings_path) {
  const std::string text = ReadIniString(kSection, kKey, settings_path);
  long long s = 0;
  const char* end = text.data() + text.size();
  const auto [stop, ec] = std::from_chars(text.data(), end, s);
  if (text.empty() || ec != std::errc() || stop != end || !IsStandard(s))
    return kDefaultStandard;
  return static_cast<int>(s);
}

void StoreStandard(int standard, const std::string& settings_path) {
  (void)WriteIniString(kSection, kKey, std::to_string(standard), settings_path);
}

}  // namespace tw
