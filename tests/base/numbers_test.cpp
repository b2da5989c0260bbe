#include "base/numbers.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <random>
#include <string>
#include <utility>

#include "doubles/number_forms.h"

namespace tw {
namespace {

using test::PrintForm;
using test::ReportPattern;

TEST(NumberForms, PlainLeadingBlankAndPrint) {
  struct Case {
    const char* plain;
    const char* leading_blank;
    double value;
  };
  const Case cases[] = {
      {"0", " 0", 0},
      {"0", " 0", -0.0},
      {"-0.25", "-.25", -0.25},
      {"0.5", " .5", 0.5},
      {"0.000015", " .000015", 1.5e-5},
      {"0.00001", " .00001", 1e-5},
      {"9.9E-06", " 9.9E-06", 9.9e-6},
      {"999999999999999", " 999999999999999", 999999999999999},
      {"1E+15", " 1E+15", 1e15},
      {"1.6E-13", " 1.6E-13", 1.6e-13},
      {"-2.5E+20", "-2.5E+20", -2.5e20},
      {"0.3", " .3", 0.1 + 0.2},
      {"0.333333333333333", " .333333333333333", 1.0 / 3},
      // Rounding to 15 digits can carry into the switch to an exponent.
      {"1E+16", " 1E+16", 9999999999999995.0},
      {"-1E+15", "-1E+15", -999999999999999.5},
      {"1.25E-100", " 1.25E-100", 1.25e-100},
      {"4.94065645841247E-324", " 4.94065645841247E-324", 5e-324},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.plain, PlainForm(c.value)) << c.value;
    EXPECT_EQ(c.leading_blank, LeadingBlankForm(c.value)) << c.value;
    EXPECT_EQ(std::string(c.leading_blank) + " ", PrintForm(c.value)) << c.value;
  }
}

// Every form starts from the value rounded to 15 significant digits as the C
// library's "%.14e" rounds it: values of every normal magnitude, values as
// the walks compute them, and 16-digit midpoints with their neighbours, where
// a shortcut through the shortest form would round the wrong way.
TEST(NumberForms, FifteenDigitsAsTheCLibraryRoundsThem) {
  std::mt19937_64 random(13);
  const auto read = [](const char* first, const char* last) {
    double v = 0;
    std::from_chars(first, last, v);
    return v;
  };
  // Two different 15-digit decimals never read as the same normal double.
  const auto check = [&read](double v) {
    char expected[40];
    const int n = std::snprintf(expected, sizeof expected, "%.14e", v);
    const std::string plain = PlainForm(v);
    ASSERT_EQ(read(expected, expected + n), read(plain.data(), plain.data() + plain.size()))
        << plain << " for " << expected;
  };
  for (int i = 0; i < 30000; ++i) {
    const double any = std::bit_cast<double>(random());
    if (std::isnormal(any) && std::fabs(any) < 1e300)
      check(any);
    check(static_cast<double>(random() % 1000000) / 997 * std::cos(static_cast<double>(i)));
    char midpoint[40];
    const int n =
        std::snprintf(midpoint, sizeof midpoint, "%llu5e%d",
                      static_cast<unsigned long long>(random() % 900000000000000 + 100000000000000),
                      static_cast<int>(random() % 40) - 20);
    const double near = read(midpoint, midpoint + n);
    check(near);
    check(std::nextafter(near, 0.0));
    check(std::nextafter(near, 1e300));
  }
}

TEST(NumberPatterns, Log) {
  struct Case {
    const char* expected;
    double value;
  };
  const Case cases[] = {
      {"03.1415927", 3.14159265},
      {"123.50", 123.5},
      {"00.00", 0},
      {"05.50", 5.5},
      {"1234.1234568", 1234.123456789},
      {"00.0000001", 0.00000005},
      {"00.00", 0.0000000499},
      {"02.0000001", 2.00000005},  // half-way on the decimal, not the binary value
      {"14.1421356", 14.142135623731},
      {"100.00", 99.99999999},
      {"-03.1415927", -3.14159265},
      {"00.00", -1e-9},  // no "-" on a value that rounds to zero
      {"00.00", -0.0},
      {"100000000000000000000.00", 1e20},  // never an exponent
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, LogPattern(c.value)) << c.value;
}

// Half-way cases round away from zero on the 15-digit decimal, not on the
// binary value: 2.675 is stored as 2.67499999999999982...
TEST(NumberPatterns, Report) {
  struct Case {
    const char* expected;
    double value;
    int hashes;
  };
  const Case cases[] = {
      {"0.123457", 0.123456789, 4}, {"0.00", 0, 4},      {"1234567.891", 1234567.891, 2},
      {"0.000001", 0.00000123, 4},  {"0.13", 0.125, 0},  {"2.68", 2.675, 0},
      {"-2.68", -2.675, 0},         {"1.01", 1.005, 0},  {"10.00", 9.995, 0},
      {"0.00", 0.0049, 0},          {"0.00", -0.004, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, ReportPattern(c.value, c.hashes)) << c.value;
}

TEST(NumberPatterns, ThousandsGroupTheWholePartOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"", ""},
      {"999", "999"},
      {"1000", "1,000"},
      {"-100", "-100"},
      {"-1000.5", "-1,000.5"},
      {"7114.1593", "7,114.1593"},
      {"1234567", "1,234,567"},
  };
  for (const auto& [plain, grouped] : cases)
    EXPECT_EQ(GroupThousands(plain), grouped) << plain;
}

TEST(NumberReadings, Leading) {
  const std::pair<const char*, double> cases[] = {
      {"12.5.3", 12.5}, {"", 0},         {"abc", 0},   {"  7x", 7}, {"-", 0},
      {".", 0},         {"-.25", -0.25}, {"1e5", 1},   {"--3", 0},  {" - 5", 0},
      {"0005", 5},      {"1e400", 1},    {"3 , 4", 3},
  };
  for (const auto& [text, value] : cases)
    EXPECT_EQ(value, ReadLeadingNumber(text)) << text;
  EXPECT_FALSE(ReadLeadingNumber(std::string(400, '9')));
}

TEST(NumberReadings, Strict) {
  const std::pair<const char*, double> numbers[] = {
      {".5", 0.5},
      {"5.", 5},
      {"-.25", -0.25},
      {" 12 ", 12},
      {"1.6E-13", 1.6e-13},
      {"2e5", 2e5},
      {"00", 0},
      {"-2.5E+20", -2.5e20},
      {"1e-400", 0},
      {"1e+5", 1e5},
      {"5.e3", 5000},
      {"-9.99e99", -9.99e99},
      {"4.9e-324", 4.9e-324},
      {"1e-99999999999999999999", 0},
      // The exponent's sum with the digits' magnitude overflowed a long.
      {"0.01e-9223372036854775808", 0},
      {"0.5e-400", 0},
      {"-9.99999999999999e99", -9.99999999999999e99},
  };
  for (const auto& [text, value] : numbers)
    EXPECT_EQ(value, ConvertStrict(text)) << text;
  // clang-format off
  const char* not_numbers[] = {
      "", "-", ".", "+5", "inf", "nan", "INF", "infinity", "1.2.3", "--", "0-", "1e", "e5",
      "1,5", "0x1", "5 .", ".e5", "1e5.5", "1e+-5", "- 5", "1 2", "1_0", "\xD9\xA1",
      // The limit of a boundary number, and overflow.
      "1e100", "-1e100", "1E+100", "1e309", "-1e400", "1e99999999999999999999",
      "1e9223372036854775807", "1e9223372036854775808",
      // Values whose 15-digit form is "1E+100" were taken in and then refused on reading back.
      "9.99999999999999899e99", "-9.9999999999999963e99",
  };
  // clang-format on
  for (const char* text : not_numbers)
    EXPECT_FALSE(ConvertStrict(text)) << text;
  EXPECT_FALSE(ConvertStrict(std::string(400, '9')));
}

// Nothing of magnitude 1E+100 or more, nor infinity or NaN, is a number of a
// boundary: its square, a closure or an area, would overflow.
TEST(NumberReadings, BoundaryNumberLimit) {
  // The largest boundary numbers are written in forms that read back as themselves.
  for (double v : {9.99999999999999e99, std::nextafter(kBoundaryNumberLimit, 0.0)}) {
    EXPECT_TRUE(IsBoundaryNumber(v)) << v;
    EXPECT_EQ("9.99999999999999E+99", PlainForm(v)) << v;
    EXPECT_EQ(9.99999999999999e99, ConvertStrict(PlainForm(v))) << v;
  }
  EXPECT_TRUE(IsBoundaryNumber(-9.99e99));
  EXPECT_TRUE(std::isfinite(9.99e99 * 9.99e99 + 9.99e99 * 9.99e99));
  for (double v : {1e100, -1e100, -std::numeric_limits<double>::infinity(),
                   std::numeric_limits<double>::quiet_NaN()})
    EXPECT_FALSE(IsBoundaryNumber(v)) << v;
}

}  // namespace
}  // namespace tw
