#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>

#include "closure/closure_report.h"

namespace tw {
namespace {

TEST(ClosureReport, DateComesFromSourceDateEpochOrTheClock) {
  setenv("TZ", "UTC", 1);
  tzset();
  const std::time_t now = 86400L * 365 + 3600;  // 1971-01-01 01:00 UTC
  struct Case {
    const char* epoch;
    const char* expected;
  };
  const Case cases[] = {
      {"0", "1970-01-01"},           {"86399", "1970-01-01"},
      {"951782400", "2000-02-29"},   // a leap day of a 400th year
      {"4107542400", "2100-03-01"},  // 2100 has no 29 February
      {"1700000000", "2023-11-14"},  {"253402300799", "9999-12-31"},
      {nullptr, "1971-01-01"},       {"", "1971-01-01"},
      {"-86400", "1971-01-01"},      {"17e8", "1971-01-01"},
      {" 1700000000", "1971-01-01"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, ReportDate(c.epoch, now)) << (c.epoch ? c.epoch : "unset");
}

}  // namespace
}  // namespace tw
