// The closure standards allowed, and the one the window remembers: STANDARD
// in [SETTINGS].
#pragma once

#include <string>

namespace tw {

// The standards offered by name; any whole S from 100 to 1,000,000 is allowed.
inline constexpr int kDefaultStandard = 10000;
inline constexpr int kLowestStandard = 100;
inline constexpr int kHighestStandard = 1000000;

bool IsStandard(long long s);

// A whole number from 100 to 1000000 as written; anything else, or no key,
// reads as 10000.
int ReadStoredStandard(const std::string& settings_path);

// Writes the standard (one IsStandard accepts) in place; every other line of
// the file stays as it is. A failed write is not noticed: the choice holds
// for this run.
void StoreStandard(int standard, const std::string& settings_path);

}  // namespace tw
