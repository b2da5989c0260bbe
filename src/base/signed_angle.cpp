#include "base/signed_angle.h"

#include <charconv>
#include <cmath>

#include "base/numbers.h"
#include "base/text.h"

namespace tw {
namespace {

// Digits with at most one ".", nothing else: from_chars alone would take an
// exponent or a leading sign.
std::optional<double> ReadUnsigned(std::string_view text, bool whole) {
  if (text.empty() ||
      text.find_first_not_of(whole ? "0123456789" : "0123456789.") != std::string_view::npos)
    return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !IsBoundaryNumber(value))
    return std::nullopt;
  return value;
}

}  // namespace

std::optional<double> ReadSignedAngle(std::string_view text) {
  text = TrimBlanks(text);
  double sign = 1;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    sign = text.front() == '-' ? -1 : 1;
    text.remove_prefix(1);
  }
  const size_t first = text.find('-');
  if (first == std::string_view::npos) {
    const std::optional<double> degrees = ReadUnsigned(text, false);
    return degrees ? std::optional<double>(sign * *degrees) : std::nullopt;
  }
  const size_t second = text.find('-', first + 1);
  if (second == std::string_view::npos)
    return std::nullopt;
  const std::optional<double> d = ReadUnsigned(text.substr(0, first), true);
  const std::optional<double> m = ReadUnsigned(text.substr(first + 1, second - first - 1), true);
  const std::optional<double> s = ReadUnsigned(text.substr(second + 1), false);
  if (!d || !m || !s || *m >= 60 || *s >= 60)
    return std::nullopt;
  return sign * (*d + *m / 60 + *s / 3600);
}

std::string SignedAngleText(double degrees) {
  std::string text = degrees < 0 ? "-" : "+";
  const double total = std::round(std::fabs(degrees) * 3600 * 10000) / 10000;
  const double whole = std::floor(total / 60);
  const double seconds = total - whole * 60;
  text += PlainForm(std::floor(whole / 60)) + "-" + PlainForm(std::fmod(whole, 60)) + "-" +
          ApplyPattern(seconds, 1, 0, 4);
  return text;
}

}  // namespace tw
