// The shared behaviour of the eight numeric entry boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

// True when a typed character code may reach a box: 8, 9, ".", "-", "0"-"9".
bool FilterNumericKey(int code);

// The limit of a range-checked box by its name: 90 for "TxtDegrees", 60 for
// "txtMinutes" and "txtSeconds"; nullopt for boxes that are not checked.
std::optional<int> FieldRangeLimit(std::string_view box_name);

// The message to show when the box's text is over its limit, else nullopt:
// "Invalid number entered  (>90)".
std::optional<std::string> CheckFieldRange(std::string_view box_name, std::string_view text);

}  // namespace tw
