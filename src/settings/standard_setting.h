// The closure standards allowed, and the one the window remembers: STANDARD
// in [SETTINGS].
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// The standards offered by name; any whole S from 100 to 1,000,000 is allowed.
inline constexpr int kDefaultStandard = 10000;
inline constexpr int kLowestStandard = 100;
inline constexpr int kHighestStandard = 1000000;

bool IsStandard(long long s);

// How a standard is written: a whole number as the settings file and the
// command line hold it ("12500"), or as a person types it in the dialog,
// where blanks around it, a leading "1:" and commas are allowed too
// ("1:12,500").
enum class StandardText { Number, Label };

// The standard a text names, or nullopt when it names none IsStandard takes.
std::optional<int> ParseStandard(std::string_view text, StandardText form);

// A number ParseStandard takes; anything else, or no key, reads as
// kDefaultStandard.
int ReadStoredStandard(const std::string& settings_path);

// Writes the standard (one IsStandard accepts) as StoreSetting does.
void StoreStandard(int standard, const std::string& settings_path);

}  // namespace tw
