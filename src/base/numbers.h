// Number readings, number forms and number patterns of the program.
//
// Everything here is locale-free: "." is the decimal point whatever the
// desktop's locale says, because files written under one locale must read
// back under any other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tw {

// Magnitudes from this value on are refused as numbers of a boundary: the
// square of such a value (closure, area) would overflow a double. It is the
// smallest double whose 15-significant-digit form is "1E+100", so that every
// number taken in is written in a form that reads back.
inline constexpr double kBoundaryNumberLimit = 9.9999999999999963e99;

// True when v is finite and |v| < kBoundaryNumberLimit.
bool IsBoundaryNumber(double v);

// Leading-number reading: blanks at the start are skipped and the longest
// leading run of an optional "-", digits and at most one "." is the value;
// the rest is ignored. An empty text or one that does not start with a number
// reads as 0 ("12.5.3" reads 12.5). Returns nullopt only when the digits
// overflow a double.
std::optional<double> ReadLeadingNumber(std::string_view text);

// Strict conversion: the whole text, blanks around it aside, must be
// an optional "-", digits with at most one "." (at least one digit), and an
// optional exponent ("e" or "E", optional sign, digits). Returns nullopt for
// anything else, and for a value that is not a boundary number (overflow,
// |v| >= kBoundaryNumberLimit).
std::optional<double> ConvertStrict(std::string_view text);

// The same conversion for the walks over whole lists: true and the value, or
// false. (GCC 12 writes an optional<double> in parts and reads it back whole,
// a store-forwarding stall that costs more than converting a short number.)
bool ConvertStrictTo(std::string_view text, double& value);

// The forms and patterns take finite values only; the readings above keep
// infinity and NaN out of every boundary.

// Plain number form: "0", "1234.5", "-0.25". At most 15 significant digits.
std::string PlainForm(double v);

// Leading-blank number form: " 12.5", " .5", "-.25", " 0".
std::string LeadingBlankForm(double v);

// Number pattern "0...0.00#...#" applied to the 15-significant-digit decimal
// value: at least min_int digits before the point (zero-padded), min_dec to
// max_dec decimals, rounded half away from zero at the last allowed decimal,
// trailing zeros past min_dec dropped. Never an exponent.
std::string ApplyPattern(double v, int min_int, int min_dec, int max_dec);

// The log's pattern "00.00#####": 3.14159265 -> "03.1415927", 0 -> "00.00".
std::string LogPattern(double v);

// The longest plain or leading-blank form of any finite value:
// "-1.23456789012345E-308", "-0.0000123456789012345". The print form (the
// leading-blank form followed by one blank, " 10 ") is one byte longer.
// Writers that reserve before writing count on it.
inline constexpr size_t kLongestForm = 22;

// The same forms and patterns appended to a caller's buffer, for the exports,
// the report and the log, which write one or more numbers per entry: they
// allocate nothing once the buffer has room.
void AppendPlainForm(std::string& out, double v);
void AppendLeadingBlankForm(std::string& out, double v);
// The report's pattern: "0.00" followed by extra_hashes "#".
void AppendReportPattern(std::string& out, double v, int extra_hashes);

// Whether a ratio's digits are grouped in thousands.
enum class DigitGroups { None, Thousands };

// Commas between the thousands of a number text's whole part: "-7114.16"
// gives "-7,114.16".
std::string GroupThousands(std::string number);

// A whole number n >= 0: "12500", or grouped "12,500".
std::string WholeNumberText(std::int64_t n, DigitGroups groups);

// A ratio 1:n, n >= 0: "1:12500", or grouped "1:12,500" where a person reads
// it (the closure dialog and the plat); the texts a script reads keep the
// plain form.
std::string RatioLabel(std::int64_t n, DigitGroups groups);

// Room for the log pattern of any finite value: a sign, 309 integer digits
// and a carry, the point and seven decimals.
inline constexpr size_t kLogPatternMax = 320;

// Writes the print form at out (kLongestForm + 1 bytes of room) and returns
// the end of what it wrote.
char* WritePrintForm(char* out, double v);

// Writes the log pattern at out (kLogPatternMax bytes of room) and returns
// the end of what it wrote.
char* WriteLogPattern(char* out, double v);

}  // namespace tw
