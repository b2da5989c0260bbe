#include "entry/carpenter.h"

#include <gtest/gtest.h>

#include <string>

#include "base/numbers.h"
#include "geometry/bearing.h"

namespace tw {
namespace {

TEST(CarpenterDirection, TheEightPresetsCounterClockwiseFromEastAndNothingElse) {
  struct Case {
    const char* bearing;  // quadrant and degrees, "" for no direction
    const char* direction;
  };
  const Case cases[] = {
      {"NE90", "0 Degrees"},   {"NE45", "45 Degrees"},  {"NW00", "90 Degrees"},
      {"NW45", "135 Degrees"}, {"SW90", "180 Degrees"}, {"SW45", "225 Degrees"},
      {"SE00", "270 Degrees"}, {"SE45", "315 Degrees"}, {"", "0 degrees"},
      {"", "0 Degrees "},      {"", "360 Degrees"},     {"", ""},
  };
  for (const Case& c : cases) {
    const std::optional<CarpenterBearing> b = CarpenterDirection(c.direction);
    EXPECT_EQ(c.bearing, b ? std::string(b->quadrant) + std::string(b->degrees) : "")
        << c.direction;
  }
}

// The box draws each preset's arrow at its degrees: the bearing added must
// run the way the arrow points.
TEST(CarpenterDirection, EachArrowPointsAlongItsBearing) {
  for (const CarpenterPreset& p : kCarpenterPresets) {
    const double degrees = ConvertStrict(p.bearing.degrees).value_or(-1);
    EXPECT_DOUBLE_EQ(p.degrees, DirectionAngle(p.bearing.quadrant, degrees, 0, 0)) << p.key;
  }
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
      {"12", "6", 12, " 12.5"},    {"", "6", 12, " .5"},     {"", "1", 12, " .0833"},
      {"", "2", 12, " .1666"},     {"", "-1", 12, "-.0834"}, {"", "15", 12, " 1.25"},
      {"2", "5", 100, " 2.05"},    {"", "", 12, "00"},       {"1", "-12", 12, "00"},
      {"-2", "", 12, "-2"},        {"-", "-", 12, "00"},     {"1-2", "6abc", 12, " 1.5"},
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
