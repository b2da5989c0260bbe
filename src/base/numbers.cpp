#include "base/numbers.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
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
// trailing zeros dropped, and the decimal exponent of the first digit. Held
// on the stack: every export line and closure line converts several numbers.
struct Decimal {
  bool negative = false;
  char digits[15] = {'0'};  // "0" for zero
  int count = 1;
  int exponent = 0;

  // Digit i of the whole digits written out, '0' past the significant ones.
  char At(int i) const { return i < count ? digits[i] : '0'; }
};

// Adds one unit in the last place of a digit run; returns the carry.
bool IncrementDigits(char* first, char* last) {
  while (last != first) {
    --last;
    if (*last != '9') {
      ++*last;
      return false;
    }
    *last = '0';
  }
  return true;
}

// The 15 digits of 1E-5 <= |v| < 1E15, the magnitudes of nearly every
// figure of a boundary, in integers: v is m * 2^-shift exactly, so
// m * 10^(14 - e) / 2^shift holds the digits before its point and the
// remainder decides the rounding, half to even as the C library rounds.
bool ToDecimalInIntegers(double v, Decimal& d) {
  using Wide = unsigned __int128;
  const double magnitude = std::fabs(v);
  if (!(magnitude >= 1e-5 && magnitude < 1e15))
    return false;
  const auto bits = std::bit_cast<uint64_t>(magnitude);
  const int binary_exponent = static_cast<int>(bits >> 52) - 1023;
  const uint64_t m = (bits & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
  const int shift = 52 - binary_exponent;  // 3 to 70 in this range
  // floor(binary_exponent * log10(2)): the decimal exponent or one less.
  int e = (binary_exponent * 78913) >> 18;
  constexpr uint64_t kFifteenDigits = 1'000'000'000'000'000;
  // 10^0 to 10^20; m * 10^20 < 2^120.
  static constexpr auto kPowers = [] {
    std::array<Wide, 21> powers{};
    powers[0] = 1;
    for (size_t i = 1; i < powers.size(); ++i)
      powers[i] = powers[i - 1] * 10;
    return powers;
  }();
  Wide product = 0;
  Wide q = 0;
  for (;; ++e) {
    product = m * kPowers[static_cast<size_t>(14 - e)];
    q = product >> shift;
    if (q < kFifteenDigits)
      break;
  }
  const Wide rest = product - (q << shift);
  const Wide half = Wide{1} << (shift - 1);
  auto n = static_cast<uint64_t>(q);
  if (rest > half || (rest == half && n % 2 == 1))
    ++n;
  if (n == kFifteenDigits) {
    n /= 10;
    ++e;
  }
  d.negative = v < 0;
  d.exponent = e;
  for (int i = 14; i >= 0; --i, n /= 10)
    d.digits[i] = static_cast<char>('0' + n % 10);
  d.count = 15;
  while (d.count > 1 && d.digits[d.count - 1] == '0')
    --d.count;
  return true;
}

Decimal ToDecimal(double v) {
  Decimal d;
  if (v == 0)
    return d;
  if (ToDecimalInIntegers(v, d))
    return d;
  char buf[32];
  const char* const end =
      std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 14).ptr;
  const char* p = buf;
  if (*p == '-') {
    d.negative = true;
    ++p;
  }
  // "d.ddddddddddddddde±x": the first digit, the point, fourteen digits.
  d.digits[0] = p[0];
  std::memcpy(d.digits + 1, p + 2, 14);
  d.count = 15;
  while (d.count > 1 && d.digits[d.count - 1] == '0')
    --d.count;
  p += 16;  // the "e"
  const bool negative_exponent = p[1] == '-';
  int exponent = 0;
  for (p += 2; p != end; ++p)
    exponent = exponent * 10 + (*p - '0');
  d.exponent = negative_exponent ? -exponent : exponent;
  return d;
}

// Where the forms write: a caller's string, or a caller's array known to be
// large enough. Neither allocates once the string has room.
class StringOut {
 public:
  explicit StringOut(std::string& s) : s_(s) {}
  void Put(char c) { s_.push_back(c); }
  void Put(const char* p, size_t n) { s_.append(p, n); }
  void Zeros(size_t n) { s_.append(n, '0'); }

 private:
  std::string& s_;
};

class ArrayOut {
 public:
  explicit ArrayOut(char* p) : p_(p) {}
  void Put(char c) { *p_++ = c; }
  void Put(const char* p, size_t n) {
    std::memcpy(p_, p, n);
    p_ += n;
  }
  void Zeros(size_t n) {
    std::memset(p_, '0', n);
    p_ += n;
  }
  char* End() const { return p_; }

 private:
  char* p_;
};

bool IsOrdinaryMagnitude(const Decimal& d) {
  return (d.count == 1 && d.digits[0] == '0') || (d.exponent >= -5 && d.exponent <= 14);
}

template <class Out>
void PutScientificBody(Out& out, const Decimal& d) {
  out.Put(d.digits[0]);
  if (d.count > 1) {
    out.Put('.');
    out.Put(d.digits + 1, static_cast<size_t>(d.count - 1));
  }
  out.Put('E');
  out.Put(d.exponent < 0 ? '-' : '+');
  char buf[8];
  const char* const end = std::to_chars(buf, buf + sizeof buf, std::abs(d.exponent)).ptr;
  if (end - buf < 2)
    out.Put('0');
  out.Put(buf, static_cast<size_t>(end - buf));
}

// The number without its sign; zero_before_point decides "0.5" or ".5".
template <class Out>
void PutBody(Out& out, const Decimal& d, bool zero_before_point) {
  if (!IsOrdinaryMagnitude(d)) {
    PutScientificBody(out, d);
    return;
  }
  if (d.exponent >= 0) {
    const int int_len = d.exponent + 1;
    const int written = std::min(int_len, d.count);
    out.Put(d.digits, static_cast<size_t>(written));
    out.Zeros(static_cast<size_t>(int_len - written));
    if (d.count > int_len) {
      out.Put('.');
      out.Put(d.digits + int_len, static_cast<size_t>(d.count - int_len));
    }
    return;
  }
  if (zero_before_point)
    out.Put('0');
  out.Put('.');
  out.Zeros(static_cast<size_t>(-d.exponent - 1));
  out.Put(d.digits, static_cast<size_t>(d.count));
}

bool AllZeros(const char* first, const char* last) {
  return std::all_of(first, last, [](char c) { return c == '0'; });
}

// The integer digits of any finite double (at most 309) and a carry; the
// fraction digits a pattern keeps of it (a subnormal's run at most 340).
constexpr int kMaxIntegerDigits = 310;
constexpr int kMaxFractionDigits = 352;

template <class Out>
void PutPattern(Out& out, double v, int min_int, int min_dec, int max_dec) {
  const Decimal d = ToDecimal(v);
  // The digits written out in full, the integer's one place to the right so
  // that a carry out of the rounding has room.
  char integer[kMaxIntegerDigits + 1];
  char fraction[kMaxFractionDigits];
  const int int_len = d.exponent >= 0 ? d.exponent + 1 : 1;
  for (int i = 0; i < int_len; ++i)
    integer[1 + i] = d.exponent >= 0 ? d.At(i) : '0';
  // Fraction digit j is digit `shift + j` of the digits; leading zeros first
  // when the value is below 1.
  const int shift = d.exponent >= 0 ? int_len : d.exponent + 1;
  const int full_len = d.exponent >= 0 ? std::max(0, d.count - int_len) : d.count - shift;
  const auto fraction_digit = [&d, shift](int j) { return j + shift < 0 ? '0' : d.At(j + shift); };
  int frac_len = std::min(full_len, max_dec);
  for (int j = 0; j < frac_len; ++j)
    fraction[j] = fraction_digit(j);
  char* int_first = integer + 1;
  if (full_len > max_dec && fraction_digit(max_dec) >= '5' &&
      IncrementDigits(fraction, fraction + frac_len) &&
      IncrementDigits(int_first, integer + 1 + int_len)) {
    *--int_first = '1';
  }
  while (frac_len > min_dec && fraction[frac_len - 1] == '0')
    --frac_len;
  const char* const int_last = integer + 1 + int_len;
  const bool all_zero = AllZeros(int_first, int_last) && AllZeros(fraction, fraction + frac_len);
  if (d.negative && !all_zero)
    out.Put('-');
  const int int_count = static_cast<int>(int_last - int_first);
  if (int_count < min_int)
    out.Zeros(static_cast<size_t>(min_int - int_count));
  out.Put(int_first, static_cast<size_t>(int_count));
  const int pad = std::max(0, min_dec - frac_len);
  if (frac_len + pad > 0) {
    out.Put('.');
    out.Put(fraction, static_cast<size_t>(frac_len));
    out.Zeros(static_cast<size_t>(pad));
  }
}

template <class Out>
void PutPlainForm(Out& out, double v) {
  const Decimal d = ToDecimal(v);
  if (d.negative)
    out.Put('-');
  PutBody(out, d, true);
}

template <class Out>
void PutLeadingBlankForm(Out& out, double v) {
  const Decimal d = ToDecimal(v);
  out.Put(d.negative ? '-' : ' ');
  PutBody(out, d, false);
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

void AppendPlainForm(std::string& out, double v) {
  StringOut o(out);
  PutPlainForm(o, v);
}

void AppendLeadingBlankForm(std::string& out, double v) {
  StringOut o(out);
  PutLeadingBlankForm(o, v);
}

namespace {

void AppendPattern(std::string& out, double v, int min_int, int min_dec, int max_dec) {
  StringOut o(out);
  PutPattern(o, v, min_int, min_dec, max_dec);
}

}  // namespace

void AppendReportPattern(std::string& out, double v, int extra_hashes) {
  AppendPattern(out, v, 1, 2, 2 + extra_hashes);
}

char* WritePrintForm(char* out, double v) {
  ArrayOut o(out);
  PutLeadingBlankForm(o, v);
  o.Put(' ');
  return o.End();
}

char* WriteLogPattern(char* out, double v) {
  ArrayOut o(out);
  PutPattern(o, v, 2, 2, 7);
  return o.End();
}

std::string PlainForm(double v) {
  std::string s;
  AppendPlainForm(s, v);
  return s;
}

std::string LeadingBlankForm(double v) {
  std::string s;
  AppendLeadingBlankForm(s, v);
  return s;
}

std::string ApplyPattern(double v, int min_int, int min_dec, int max_dec) {
  std::string s;
  AppendPattern(s, v, min_int, min_dec, max_dec);
  return s;
}

std::string LogPattern(double v) {
  char buf[kLogPatternMax];
  return std::string(buf, WriteLogPattern(buf, v));
}

std::string GroupThousands(std::string number) {
  const size_t from = !number.empty() && number.front() == '-' ? 1 : 0;
  for (size_t at = std::min(number.find('.'), number.size()); at > from + 3; at -= 3)
    number.insert(at - 3, ",");
  return number;
}

std::string WholeNumberText(std::int64_t n, DigitGroups groups) {
  std::string digits = std::to_string(n);
  return groups == DigitGroups::Thousands ? GroupThousands(std::move(digits)) : digits;
}

std::string RatioLabel(std::int64_t n, DigitGroups groups) {
  return "1:" + WholeNumberText(n, groups);
}

}  // namespace tw
