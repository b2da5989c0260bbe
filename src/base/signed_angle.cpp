#include "base/signed_angle.h"

#include <charconv>
#include <cmath>

#include "base/text.h"

namespace tw {
namespace {

// Digits with at most one "." and no sign or exponent: what a typed field of
// the angle may be.
std::optional<double> UnsignedField(std::string_view text, bool decimals) {
  if (text.empty() || text.front() == '.' || text.back() == '.')
    return std::nullopt;
  for (char c : text) {
    if (!IsDigit(c) && !(decimals && c == '.'))
      return std::nullopt;
  }
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
    return std::nullopt;
  return value;
}

// "D-M-S": whole degrees and minutes, seconds with decimals.
std::optional<double> DmsDegrees(std::string_view text) {
  const size_t first = text.find('-');
  const size_t second = text.find('-', first + 1);
  if (second == std::string_view::npos || text.find('-', second + 1) != std::string_view::npos)
    return std::nullopt;
  const std::optional<double> d = UnsignedField(text.substr(0, first), false);
  const std::optional<double> m = UnsignedField(text.substr(first + 1, second - first - 1), false);
  const std::optional<double> s = UnsignedField(text.substr(second + 1), true);
  if (!d || !m || !s || *m >= 60 || *s >= 60)
    return std::nullopt;
  return *d + *m / 60 + *s / 3600;
}

}  // namespace

std::optional<double> ReadSignedAngle(std::string_view text) {
  text = TrimBlanks(text);
  double sign = 1;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    sign = text.front() == '-' ? -1 : 1;
    text.remove_prefix(1);
  }
  const std::optional<double> degrees =
      text.find('-') == std::string_view::npos ? UnsignedField(text, true) : DmsDegrees(text);
  if (!degrees)
    return std::nullopt;
  return sign * *degrees;
}

}  // namespace tw
