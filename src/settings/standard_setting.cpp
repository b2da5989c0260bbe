#include "settings/standard_setting.h"

#include <charconv>

#include "base/text.h"
#include "settings/settings_section.h"

namespace tw {

bool IsStandard(long long s) {
  return s >= kLowestStandard && s <= kHighestStandard;
}

std::optional<int> ParseStandard(std::string_view text, StandardText form) {
  std::string digits(text);
  if (form == StandardText::Label) {
    text = TrimBlanks(text);
    if (text.starts_with("1:"))
      text.remove_prefix(2);
    digits.clear();
    for (char c : text) {
      if (c != ',')
        digits += c;
    }
    digits = std::string(TrimBlanks(digits));
  }
  long long s = 0;
  const char* end = digits.data() + digits.size();
  const auto [stop, ec] = std::from_chars(digits.data(), end, s);
  if (digits.empty() || ec != std::errc() || stop != end || !IsStandard(s))
    return std::nullopt;
  return static_cast<int>(s);
}

int ReadStoredStandard(const std::string& settings_path) {
  return ParseStandard(ReadSetting(SettingKey::Standard, settings_path), StandardText::Number)
      .value_or(kDefaultStandard);
}

void StoreStandard(int standard, const std::string& settings_path) {
  StoreSetting(SettingKey::Standard, std::to_string(standard), settings_path);
}

}  // namespace tw
