#include "boundary/numbers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <system_error>

namespace tw {
namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

// Length of "-"? digits ("." digits)? at the start of s, or 0 when that run
// holds no digit.
size_t DecimalRunLength(std::string_view s) {
  size_t i = 0;
  if (i < s.size() && s[i] == '-')
    ++i;
  size_t digits = 0;
  bool point = false;
  for (; i < s.size(); ++i) {
    if (IsDigit(s[i])) {
      ++digits;
    } else if (s[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  return digits == 0 ? 0 : i;
}

// Length of an exponent ("e" or "E", optional sign, digits) at the start of s,
// or 0 when there is none.
size_t ExponentLength(std::string_view s) {
  if (s.empty() || (s[0] != 'e' && s[0] != 'E'))
    return 0;
  size_t i = 1;
  if (i < s.size() && (s[i] == '+' || s[i] == '-'))
    ++i;
  const size_t first_digit = i;
  while (i < s.size() && IsDigit(s[i]))
    ++i;
  return i == first_digit ? 0 : i;
}

// Decimal exponent digits, saturated far beyond any double's range so that no
// exponent text, however long, overflows the sum with the digits' magnitude.
int64_t SaturatedExponent(std::string_view e) {
  constexpr int64_t kSaturation = int64_t{1} << 60;
  const bool negative = !e.empty() && e[0] == '-';
  if (!e.empty() && (e[0] == '-' || e[0] == '+'))
    e.remove_prefix(1);
  int64_t exponent = 0;
  for (char c : e) {
    exponent = exponent > kSaturation / 10 ? kSaturation : exponent * 10 + (c - '0');
  }
  return negative ? -exponent : exponent;
}

// from_chars reports both overflow and underflow as out of range; tell them
// apart by the decimal magnitude of the text, which is already known to be a
// well-formed number.
bool IsUnderflow(std::string_view number) {
  int64_t magnitude = 0;
  bool seen_point = false, seen_nonzero = false;
  size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    const char c = number[i];
    if (c == '.') {
      seen_point = true;
    } else if (IsDigit(c)) {
      if (!seen_nonzero && c != '0') {
        seen_nonzero = true;
      }
      if (!seen_point && seen_nonzero)
        ++magnitude;
      if (seen_point && !seen_nonzero)
        --magnitude;
    }
  }
  if (i < number.size())
    magnitude += SaturatedExponent(number.substr(i + 1));
  return magnitude <= 0;
}

// A text of blanks, an optional "-", at most 15 digits with at most one "."
// and no exponent, and blanks, is an integer below 2^53 over a power of ten
// up to 1E15, both exact doubles, so one division rounds it correctly: the
// same value from_chars gives, at a fraction of its cost (the library's
// from_chars switches locales on every call). Every entry is parsed again by
// every area and redraw, so this one pass that checks and converts at once is
// the hot path of the program. False for any other text, which the general
// path then takes or refuses. (Not an optional: GCC stores and reloads one
// in halves here, a store-forwarding stall that costs more than the parse.)
bool ParseShortDecimal(std::string_view text, double& value) {
  static constexpr double kPowersOfTen[] = {1,   1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  constexpr ptrdiff_t kMaxDigits = 15;
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p != end && IsBlank(*p))
    ++p;
  const bool negative = p != end && *p == '-';
  if (negative)
    ++p;
  // Integer digits, then the fraction's: no flag to test on every digit.
  // The mantissa wraps harmlessly past kMaxDigits, which is refused below.
  uint64_t mantissa = 0;
  const char* const first_digit = p;
  for (; p != end && IsDigit(*p); ++p)
    mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
  ptrdiff_t digits = p - first_digit;
  ptrdiff_t decimals = 0;
  if (p != end && *p == '.') {
    const char* const first_decimal = ++p;
    for (; p != end && IsDigit(*p); ++p)
      mantissa = mantissa * 10 + static_cast<uint64_t>(*p - '0');
    decimals = p - first_decimal;
    digits += decimals;
  }
  while (p != end && IsBlank(*p))
    ++p;
  if (p != end || digits == 0 || digits > kMaxDigits)
    return false;
  const double magnitude = static_cast<double>(mantissa) / kPowersOfTen[decimals];
  value = negative ? -magnitude : magnitude;
  return true;
}

std::optional<double> ParseWellFormed(std::string_view number) {
  double value = 0;
  if (ParseShortDecimal(number, value))
    return value;
  auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
  if (ec == std::errc::result_out_of_range) {
    if (!IsUnderflow(number))
      return std::nullopt;
    return number.front() == '-' ? -0.0 : 0.0;
  }
  if (ec != std::errc() || ptr != number.data() + number.size())
    return std::nullopt;
  return value;
}

// The value correctly rounded to 15 significant digits: the digits with
// trailing zeros dropped, and the decimal exponent of the first digit.
struct Decimal {
  bool negative = false;
  std::string digits;  // "0" for zero
  int exponent = 0;
};

Decimal ToDecimal(double v) {
  Decimal d;
  if (v == 0) {
    d.digits.assign(1, '0');
    return d;
  }
  char buf[32];
  auto [end, ec] = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14);
  std::string_view text(buf, static_cast<size_t>(end - buf));
  if (text.front() == '-') {
    d.negative = true;
    text.remove_prefix(1);
  }
  const size_t e = text.find('e');
  for (char c : text.substr(0, e)) {
    if (c != '.')
      d.digits.push_back(c);
  }
  while (d.digits.size() > 1 && d.digits.back() == '0')
    d.digits.pop_back();
  std::string_view exponent = text.substr(e + 1);
  if (exponent.front() == '+')
    exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.exponent);
  return d;
}

// Integer and fraction digits of a decimal, written out in full.
struct FixedParts {
  std::string integer;
  std::string fraction;
};

FixedParts ToFixed(const Decimal& d) {
  FixedParts f;
  if (d.exponent >= 0) {
    const size_t int_len = static_cast<size_t>(d.exponent) + 1;
    f.integer = d.digits.substr(0, std::min(int_len, d.digits.size()));
    f.integer.append(int_len - f.integer.size(), '0');
    if (d.digits.size() > int_len)
      f.fraction = d.digits.substr(int_len);
  } else {
    f.integer.assign(1, '0');
    f.fraction.assign(static_cast<size_t>(-d.exponent - 1), '0');
    f.fraction += d.digits;
  }
  return f;
}

bool IsOrdinaryMagnitude(const Decimal& d) {
  return d.digits == "0" || (d.exponent >= -5 && d.exponent <= 14);
}

std::string ScientificBody(const Decimal& d) {
  std::string s(1, d.digits[0]);
  if (d.digits.size() > 1) {
    s += '.';
    s.append(d.digits, 1);
  }
  s += 'E';
  s += d.exponent < 0 ? '-' : '+';
  const int magnitude = std::abs(d.exponent);
  if (magnitude < 10)
    s += '0';
  s += std::to_string(magnitude);
  return s;
}

// The number without its sign; zero_before_point decides "0.5" or ".5".
std::string Body(const Decimal& d, bool zero_before_point) {
  if (!IsOrdinaryMagnitude(d))
    return ScientificBody(d);
  const FixedParts f = ToFixed(d);
  std::string s = (f.integer == "0" && !f.fraction.empty() && !zero_before_point) ? "" : f.integer;
  if (!f.fraction.empty())
    s += '.' + f.fraction;
  return s;
}

// Adds one unit in the last place of a digit string; returns the carry.
bool IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return false;
    }
    *it = '0';
  }
  return true;
}

}  // namespace

bool IsBoundaryNumber(double v) {
  return std::isfinite(v) && std::fabs(v) < kBoundaryNumberLimit;
}

std::optional<double> ReadLeadingNumber(std::string_view text) {
  while (!text.empty() && IsBlank(text.front()))
    text.remove_prefix(1);
  const size_t length = DecimalRunLength(text);
  if (length == 0)
    return 0.0;
  return ParseWellFormed(text.substr(0, length));
}

bool ConvertStrictTo(std::string_view text, double& value) {
  // Below 1E15, so always a boundary number.
  if (ParseShortDecimal(text, value))
    return true;
  text = TrimBlanks(text);
  const size_t length = DecimalRunLength(text);
  if (length == 0)
    return false;
  const size_t exponent = ExponentLength(text.substr(length));
  if (length + exponent != text.size())
    return false;
  const std::optional<double> general = ParseWellFormed(text);
  if (!general || !IsBoundaryNumber(*general))
    return false;
  value = *general;
  return true;
}

std::optional<double> ConvertStrict(std::string_view text) {
  double value = 0;
  if (!ConvertStrictTo(text, value))
    return std::nullopt;
  return value;
}

std::string PlainForm(double v) {
  const Decimal d = ToDecimal(v);
  std::string s = Body(d, true);
  if (d.negative)
    s.insert(s.begin(), '-');
  return s;
}

std::string LeadingBlankForm(double v) {
  const Decimal d = ToDecimal(v);
  std::string s = Body(d, false);
  s.insert(s.begin(), d.negative ? '-' : ' ');
  return s;
}

std::string PrintForm(double v) {
  return LeadingBlankForm(v) + ' ';
}

std::string ApplyPattern(double v, int min_int, int min_dec, int max_dec) {
  const Decimal d = ToDecimal(v);
  FixedParts f = ToFixed(d);
  const size_t keep = static_cast<size_t>(max_dec);
  if (f.fraction.size() > keep) {
    const bool round_up = f.fraction[keep] >= '5';
    f.fraction.resize(keep);
    if (round_up && IncrementDigits(f.fraction) && IncrementDigits(f.integer)) {
      f.integer.insert(f.integer.begin(), '1');
    }
  }
  while (f.fraction.size() > static_cast<size_t>(min_dec) && f.fraction.back() == '0') {
    f.fraction.pop_back();
  }
  f.fraction.append(static_cast<size_t>(min_dec) - std::min(f.fraction.size(), size_t(min_dec)),
                    '0');
  if (f.integer.size() < static_cast<size_t>(min_int)) {
    f.integer.insert(0, static_cast<size_t>(min_int) - f.integer.size(), '0');
  }
  const bool all_zero = f.integer.find_first_not_of('0') == std::string::npos &&
                        f.fraction.find_first_not_of('0') == std::string::npos;
  std::string s = (d.negative && !all_zero) ? "-" : "";
  s += f.integer;
  if (!f.fraction.empty())
    s += '.' + f.fraction;
  return s;
}

std::string LogPattern(double v) {
  return ApplyPattern(v, 2, 2, 7);
}

std::string ReportPattern(double v, int extra_hashes) {
  return ApplyPattern(v, 1, 2, 2 + extra_hashes);
}

}  // namespace tw
