#include "geometry/bearing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

#include "base/numbers.h"
#include "doubles/cp1252.h"
#include "geometry/corner_walk.h"

namespace tw {
namespace {

TEST(Bearing, DirectionAngle) {
  struct Case {
    double expected;  // degrees counter-clockwise from east
    const char* quadrant;
    double degrees, minutes, seconds;
  };
  const Case cases[] = {
      {0, "NE", 90, 0, 0},
      {90, "NW", 0, 0, 0},
      {180, "SW", 90, 0, 0},
      {270, "SE", 0, 0, 0},
      {45, "NE", 45, 0, 0},
      {360, "SE", 90, 0, 0},
      {180, "NW", 90, 0, 0},
      // Folded back by the absolute value.
      {5, "NE", 95, 0, 0},
      {10, "NE", 99, 59, 60},
      // Any other code, case included, runs due east.
      {0, "XX", 45, 0, 0},
      {0, "ne", 45, 0, 0},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(c.expected, DirectionAngle(c.quadrant, c.degrees, c.minutes, c.seconds), 1e-12)
        << c.quadrant << " " << c.degrees << " " << c.minutes << " " << c.seconds;
  }
  // Seconds and minutes make one decimal angle: 30 30' 36'' is 30.51 degrees.
  EXPECT_NEAR(90 - 30.51, DirectionAngle("NE", 30, 30, 36), 1e-12);
}

// The box offers the quadrants counter-clockwise from the north-east, and
// only those codes are read as a direction.
TEST(Bearing, QuadrantList) {
  for (size_t i = 0; i < kQuadrants.size(); ++i) {
    EXPECT_TRUE(IsQuadrant(kQuadrants[i]));
    EXPECT_NEAR(45.0 + 90.0 * static_cast<double>(i), DirectionAngle(kQuadrants[i], 45, 0, 0),
                1e-12);
  }
  for (const char* other : {"ne", "N", "NES", "EN", ""})
    EXPECT_FALSE(IsQuadrant(other)) << other;
}

TEST(Bearing, ComputeLatDep) {
  struct Case {
    double east, north;
    const char* quadrant;
    double degrees, minutes, seconds;
    const char* distance;
  };
  const double h = 7.0710678118654755;  // 10 / sqrt(2)
  const Case cases[] = {
      {10, 0, "NE", 90, 0, 0, "10"},   // due east
      {0, 10, "NW", 0, 0, 0, "10"},    // due north
      {-10, 0, "SW", 90, 0, 0, "10"},  // due west
      {0, -10, "SE", 0, 0, 0, "10"},   // due south
      {h, h, "NE", 45, 0, 0, "10"},       {-h, -h, "SW", 45, 0, 0, "10"},
      {-h, -h, "NE", 45, 0, 0, "-10"},     // a negative distance runs backwards
      {12.5, 0, "NE", 90, 0, 0, " 12.5"},  // a Carpenter distance
      {5, 0, "??", 30, 0, 0, "5"},         // unknown quadrant: due east
  };
  for (const Case& c : cases) {
    const Result<Offsets> o =
        ComputeLatDep(c.quadrant, c.degrees, c.minutes, c.seconds, c.distance);
    ASSERT_TRUE(o) << o.error();
    EXPECT_NEAR(c.east, o->east, 1e-12) << c.quadrant << " " << c.degrees << " @" << c.distance;
    EXPECT_NEAR(c.north, o->north, 1e-12) << c.quadrant << " " << c.degrees << " @" << c.distance;
  }
}

// The angle constant is not full-precision pi, and nothing snaps to the axes.
TEST(Bearing, DueNorthKeepsTheConstantsResidue) {
  const Offsets o = *ComputeLatDep("NW", 0, 0, 0, "100");
  EXPECT_GT(o.east, 1.5e-13);
  EXPECT_LT(o.east, 1.7e-13);
  EXPECT_EQ("1.6", PlainForm(o.east).substr(0, 3));
  EXPECT_EQ(100, o.north);
  // The same line with full-precision pi would leave a residue more than ten
  // times smaller.
  EXPECT_GT(o.east, 10 * std::fabs(100 * std::cos(std::numbers::pi / 2)));
}

TEST(Bearing, ReadsEntriesAndRefusesWhatCannotBeRead) {
  for (const char* distance : {"", "abc", "12,5", "+5", "1e100", "inf"}) {
    const Result<Offsets> o = ComputeLatDep("NE", 45, 0, 0, distance);
    ASSERT_FALSE(o) << distance;
    EXPECT_NE(std::string::npos, o.error().find("distance")) << o.error();
  }
  CornerStep step;
  for (const char* entry : {"", "NE 5°00'00'' @12LF", "NE 45°00'00'' @xLF", "1 , 2"})
    EXPECT_FALSE(StepOn(EntryKind::Angle, test::Cp1252(entry), step)) << entry;
  // A readable entry gives the offsets of its fields.
  ASSERT_TRUE(StepOn(EntryKind::Angle, test::Cp1252("SW 89°59'59'' @98765.4321m."), step));
  const Offsets o = step.offsets;
  EXPECT_EQ(ComputeLatDep("SW", 89, 59, 59, "98765.4321")->east, o.east);
  EXPECT_NEAR(98765.4321, std::hypot(o.east, o.north), 1e-9);
}

}  // namespace
}  // namespace tw
