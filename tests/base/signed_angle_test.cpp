#include "base/signed_angle.h"

#include <gtest/gtest.h>

#include <optional>

namespace tw {
namespace {

TEST(SignedAngle, ReadsBothFormsAndRefusesTheRest) {
  struct Case {
    const char* text;
    std::optional<double> degrees;
  };
  const Case cases[] = {
      {"+0-12-30", 12.5 / 60},
      {"-1-30-00", -1.5},
      {" 0-00-0.36 ", 0.0001},
      {"+0.208333", 0.208333},
      {"-2", -2},
      {"0-60-00", std::nullopt},
      {"0-10-60", std::nullopt},
      {"0-1.5-00", std::nullopt},
      {"1-30", std::nullopt},
      {"+-1", std::nullopt},
      {"1e3", std::nullopt},
      {"", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const std::optional<double> read = ReadSignedAngle(c.text);
    ASSERT_EQ(read.has_value(), c.degrees.has_value());
    if (read) {
      EXPECT_NEAR(*read, *c.degrees, 1e-12);
    }
  }
  for (double degrees : {12.5 / 60, -1.5, 0.0001, 359.99}) {
    const std::optional<double> back = ReadSignedAngle(SignedAngleText(degrees));
    ASSERT_TRUE(back) << SignedAngleText(degrees);
    EXPECT_NEAR(*back, degrees, 1e-9);
  }
}

}  // namespace
}  // namespace tw
