#include "entry/carpenter.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

TEST(CarpenterDirection, TheEightPresetsCounterClockwiseFromEast) {
  struct Case {
    const char* direction;
    const char* quadrant;
    const char* degrees;
  };
  const Case cases[] = {
      {"0 Degrees", "NE", "90"},   {"45 Degrees", "NE", "45"},  {"90 Degrees", "NW", "00"},
      {"135 Degrees", "NW", "45"}, {"180 Degrees", "SW", "90"}, {"225 Degrees", "SW", "45"},
      {"270 Degrees", "SE", "00"}, {"315 Degrees", "SE", "45"},
  };
  for (const Case& c : cases) {
    const std::optional<CarpenterBearing> b = CarpenterDirection(c.direction);
    ASSERT_TRUE(b) << c.direction;
    EXPECT_EQ(c.quadrant, b->quadrant) << c.direction;
    EXPECT_EQ(c.degrees, b->degrees) << c.direction;
  }
}

TEST(CarpenterDirection, AnyOtherTextIsNoDirection) {
  for (const char* text :
       {"0 degrees", "0 Degrees ", " 0 Degrees", "0Degrees", "360 Degrees", "0", ""})
    EXPECT_EQ(std::nullopt, CarpenterDirection(text)) << text;
}

TEST(MinorUnitFactor, OnlyTheTwoUnitsHaveOne) {
  EXPECT_EQ(12, MinorUnitFactor("LF"));
  EXPECT_EQ(100, MinorUnitFactor("m."));
  for (const char* unit : {"lf", "m", "M.", "", "LF ", "ft"})
    EXPECT_EQ(std::nullopt, MinorUnitFactor(unit)) << unit;
}

TEST(CarpenterLength, MinorPartFlooredToFourDecimalsThenTheDistanceText) {
  struct Case {
    const char* major;
    const char* minor;
    int factor;
    const char* text;
  };
  const Case cases[] = {
      {"12", "6", 12, " 12.5"},    {"10", "", 12, " 10"},       {"", "6", 12, " .5"},
      {"", "1", 12, " .0833"},     {"", "2", 12, " .1666"},     {"", "-1", 12, "-.0834"},
      {"", "15", 12, " 1.25"},     {"12", "1", 12, " 12.0833"}, {"2", "5", 100, " 2.05"},
      {"3", "25", 100, " 3.25"},   {"", "150", 100, " 1.5"},    {"00", "", 12, "00"},
      {"", "", 12, "00"},          {"1", "-12", 12, "00"},      {"-2", "", 12, "-2"},
      {"-", "-", 12, "00"},        {"12.5.3", "", 12, " 12.5"}, {"1-2", "6abc", 12, " 1.5"},
      {"0", "0.00005", 100, "00"},
  };
  for (const Case& c : cases) {
    const std::optional<double> length = CarpenterLength(c.major, c.minor, c.factor);
    ASSERT_TRUE(length) << c.major << " " << c.minor;
    EXPECT_EQ(c.text, CarpenterDistanceText(*length)) << c.major << " " << c.minor;
  }
}

TEST(CarpenterLength, NoBoundaryNumberIsNoLength) {
  const std::string overflow = "1" + std::string(400, '0');
  const std::string limit = "1" + std::string(100, '0');
  struct Case {
    std::string major, minor;
  };
  const Case cases[] = {
      {overflow, ""}, {"", overflow}, {limit, ""}, {"-" + limit, ""}, {"", std::string(305, '9')}};
  for (const Case& c : cases)
    EXPECT_EQ(std::nullopt, CarpenterLength(c.major, c.minor, 12)) << c.major.size();
}

}  // namespace
}  // namespace tw
