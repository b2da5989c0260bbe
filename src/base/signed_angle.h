// A signed angle as a person types it: degrees-minutes-seconds "+0-12-30"
// or decimal degrees "+0.208333", both with an optional leading sign.
#pragma once

#include <optional>
#include <string_view>

namespace tw {

// The angle in decimal degrees, or nullopt for anything else. In the
// degrees-minutes-seconds form the sign belongs to the whole angle
// ("-0-12-30" is -0.208333...), the minutes and seconds are below 60 and
// only the seconds may have decimals. Blanks around the text are ignored.
std::optional<double> ReadSignedAngle(std::string_view text);

}  // namespace tw
