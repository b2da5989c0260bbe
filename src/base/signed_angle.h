// A signed angle as a person types it for a rotation: degrees-minutes-seconds
// "+0-12-30" or decimal degrees "+0.208333". Shared by every field and
// command line that turns a whole drawing or list of bearings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Decimal degrees, or nullopt for any other text. The sign is optional and
// applies to the whole angle; minutes and seconds stay below 60 and only the
// seconds may have decimals. Blanks around the text are ignored.
std::optional<double> ReadSignedAngle(std::string_view text);

// "+0-12-30" for whole seconds, the seconds with up to four decimals
// otherwise: the form ReadSignedAngle reads back.
std::string SignedAngleText(double degrees);

}  // namespace tw
