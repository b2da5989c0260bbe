#include "location/location.h"

#include <gtest/gtest.h>

#include <cmath>

namespace tw {
namespace {

TEST(LocationLine, ReadsBackWhatItWritesAndNamesWhatIsWrong) {
  const Location located[] = {{2248, 500123.25, 1300456.5, -0.208333, 0.99995},
                              {0, 38.5, -76.25, 0, 1}};
  for (const Location& l : located) {
    const std::string line = LocationLine(l);
    ASSERT_TRUE(IsLocationLine(line)) << line;
    const Result<Location> read = ReadLocationLine(line);
    ASSERT_TRUE(read) << read.error();
    EXPECT_EQ(l, *read) << line;
  }
  EXPECT_EQ(":LOCATION,EPSG:2248,500123.25,1300456.5,-0.208333,0.99995", LocationLine(located[0]));
  struct Reject {
    const char* line;
    const char* reason;
  } const rejects[] = {
      {":LOCATION,EPSG:2248,1,2,0", "the location has 5 fields, not 6"},
      {":LOCATION", "the location has 1 fields, not 6"},
      {":LOCATION,EPSG:-5,1,2,0,1", "\"EPSG:-5\" is neither EPSG:CODE nor WGS84"},
      {":LOCATION,NAD83,1,2,0,1", "\"NAD83\" is neither EPSG:CODE nor WGS84"},
      {":LOCATION,EPSG:2248,x,2,0,1", "the northing \"x\" is not a number"},
      {":LOCATION,WGS84,1,y,0,1", "the longitude \"y\" is not a number"},
      {":LOCATION,EPSG:2248,1,2,+0-12-30,1", "the rotation \"+0-12-30\" is not a number"},
      {":LOCATION,WGS84,90.5,0,0,1", "the latitude is not between -90 and 90"},
      {":LOCATION,WGS84,0,-181,0,1", "the longitude is not between -180 and 180"},
      {":LOCATION,EPSG:2248,1,2,0,0", "the scale factor is not above 0"},
  };
  for (const Reject& r : rejects) {
    ASSERT_TRUE(IsLocationLine(r.line)) << r.line;
    const Result<Location> read = ReadLocationLine(r.line);
    ASSERT_FALSE(read) << r.line;
    EXPECT_EQ(r.reason, read.error());
  }
  EXPECT_FALSE(IsLocationLine(":LOCATIONS,EPSG:2248,1,2,0,1"));
  EXPECT_FALSE(IsLocationLine("LOCATION,EPSG:2248,1,2,0,1"));
  EXPECT_EQ(located[1], *ReadPlaceText(" WGS84  38.5 -76.25 "));
  EXPECT_FALSE(ReadPlaceText("EPSG:2248 1"));
}

TEST(GridOf, TurnsClockwiseScalesAndMovesToTheStartsGridPlace) {
  const PlanePoint start{100, 200};
  struct Case {
    Location location;
    PlanePoint corner;
    PlanePoint grid;
  } const cases[] = {
      // A list already in grid coordinates: the identity.
      {{2248, 200, 100, 0, 1}, {130, 240}, {130, 240}},
      // Due north turned 90° clockwise runs due east, and due east due south.
      {{2248, 5000, 7000, 90, 1}, {100, 210}, {7010, 5000}},
      {{2248, 5000, 7000, 90, 1}, {110, 200}, {7000, 4990}},
      {{2248, 5000, 7000, -30, 2}, {100, 210}, {7000 - 10, 5000 + 20 * std::sqrt(0.75)}},
      // A WGS 84 start is the origin of its own transverse Mercator.
      {{0, 38.5, -76.25, 0, 0.5}, {104, 197}, {2, -1.5}},
  };
  for (const Case& c : cases) {
    const PlanePoint grid = GridOf(c.location, start, c.corner);
    EXPECT_NEAR(c.grid.east, grid.east, 1e-9) << LocationLine(c.location);
    EXPECT_NEAR(c.grid.north, grid.north, 1e-9) << LocationLine(c.location);
  }
}

}  // namespace
}  // namespace tw
