#include "description/description_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "boundary/curve_entry.h"
#include "boundary/entry.h"
#include "description/description_reader.h"
#include "geometry/corner_walk.h"

namespace tw {
namespace {

std::vector<Offsets> OffsetsOf(const EntryTexts& entries, PlanePoint start) {
  std::vector<Offsets> out;
  const EntryKind kind = KindOf(entries[0]);
  PlanePoint last = start;
  EXPECT_FALSE(WalkEntries(entries, kind, start, [&](const CornerStep& s) {
    out.push_back(s.offsets);
    last = s.corner;
  }));
  if (kind == EntryKind::Point)
    out.push_back({start.east - last.east, start.north - last.north});
  return out;
}

TEST(DescriptionWriter, WritesEveryCallAndTheClosureOfThePrintedCalls) {
  struct Case {
    std::vector<std::string> entries;
    const char* unit;
    DescribeOptions options;
    const char* expected;
  };
  const Case cases[] = {
      {{"NE 00\xB0"
        "00'00'' @100LF",
        "SE 90\xB0"
        "00'00'' @100LF",
        "SW 00\xB0"
        "00'00'' @100LF",
        "NW 90\xB0"
        "00'00'' @100LF"},
       "LF",
       {},
       "Beginning at a point with coordinates North 0.00, East 0.00; thence North 00\u00B0"
       "00'00\" East, a distance of 100.00 feet; thence North 90\u00B0"
       "00'00\" East, a distance "
       "of 100.00 feet; thence South 00\u00B0"
       "00'00\" East, a distance of 100.00 feet; thence "
       "North 90\u00B0"
       "00'00\" West, a distance of 100.00 feet to the Point of Beginning, "
       "containing 10,000 square feet (0.230 acres), more or less.\nClosure of the calls as "
       "printed: 0.0000 feet, precision exact.\n"},
      {{"NE 00\xB0"
        "00'00'' @120.00LF",
        "NE 90\xB0"
        "00'00'' @40.00LF",
        "Curve right R 20.00LF delta 90\xB0"
        "00'00'' tangent",
        "SE 00\xB0"
        "00'00'' @100.00LF",
        "SW 90\xB0"
        "00'00'' @60.00LF"},
       "LF",
       {false, 2, "an iron rod"},
       "Beginning at an iron rod; thence North 00\u00B0"
       "00'00\" East, a distance of 120.00 feet; "
       "thence North 90\u00B0"
       "00'00\" East, a distance of 40.00 feet; thence along a curve to "
       "the right having a radius of 20.00 feet, a central angle of 90\u00B0"
       "00'00\", an arc "
       "length of 31.42 feet, and a chord which bears South 45\u00B0"
       "00'00\" East, 28.28 feet; "
       "thence South 00\u00B0"
       "00'00\" East, a distance of 100.00 feet; thence North "
       "90\u00B0"
       "00'00\" West, a distance of 60.00 feet to the Point of Beginning, containing "
       "7,114 square feet (0.163 acres), more or less.\nClosure of the calls as printed: 0.0043 "
       "feet, precision 1:82,276.\n"},
      {{"0 , 0", "30 , 40.004", "0 , 40"},
       "m.",
       {true, 1, "the iron pin"},
       "Beginning at the iron pin; thence North 36 degrees 52 minutes 2 seconds East, a "
       "distance of 50.0 meters; thence South 89 degrees 59 minutes 32 seconds West, a distance "
       "of 30.0 meters; thence South 0 degrees 0 minutes 0 seconds East, a distance of 40.0 "
       "meters to the Point of Beginning, containing 600 square meters (0.0600 hectares), more "
       "or less.\nClosure of the calls as printed: 0.003 meters, precision 1:36,814.\n"},
  };
  for (const Case& c : cases) {
    ProgramState state;
    state.UnitAbbrev = c.unit;
    const Result<std::string> text = DescribeBoundary(c.entries, state, c.options);
    ASSERT_TRUE(text) << text.error();
    EXPECT_EQ(*text, c.expected);
  }
}

// A random bearing list or point list, in either unit.
EntryTexts RandomBoundary(std::mt19937& random, bool points, const std::string& unit) {
  std::uniform_int_distribution<int> count(3, 12);
  std::uniform_int_distribution<int> quadrant(0, 3);
  std::uniform_int_distribution<int> degrees(0, 89);
  std::uniform_int_distribution<int> sixty(0, 59);
  std::uniform_int_distribution<int> hundredths(1, 250000);
  std::vector<std::string> entries;
  const int n = count(random);
  for (int i = 0; i < n; ++i) {
    const std::string distance = std::to_string(hundredths(random) / 100.0);
    if (points) {
      entries.push_back(
          ComposePointEntry(std::to_string(hundredths(random) / 100.0 - 1000), distance));
      continue;
    }
    auto two = [](int v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    if (i > 0 && i % 3 == 0) {
      // A curve after a line, tangent to it or by its chord bearing.
      const std::string radius = std::to_string(hundredths(random) / 100.0 + 1);
      const std::string delta =
          WholeAngleText({degrees(random) * 3 + 1, sixty(random), sixty(random)});
      const std::string bearing = std::string(kQuadrants[quadrant(random)]) + " " +
                                  two(degrees(random)) + "\xB0" + two(sixty(random)) + "'" +
                                  two(sixty(random)) + "''";
      const bool tangent = i % 2 == 0;
      entries.push_back(ComposeCurveEntry(
          {i % 4 ? CurveSide::Left : CurveSide::Right, radius, CurveSize::Delta, delta, false,
           tangent ? CurveAim::Tangent : CurveAim::ChordBearing, bearing, unit}));
      continue;
    }
    entries.push_back(ComposeBearingEntry(kQuadrants[quadrant(random)], two(degrees(random)),
                                          two(sixty(random)), two(sixty(random)), distance, unit));
  }
  return EntryTexts(entries);
}

TEST(DescriptionWriter, ReadingTheWrittenTextGivesBackTheCalls) {
  std::mt19937 random(20261208);
  for (int round = 0; round < 200; ++round) {
    const bool points = round % 4 == 3;
    const std::string unit = round % 2 ? "m." : "LF";
    const EntryTexts entries = RandomBoundary(random, points, unit);
    ProgramState state;
    state.UnitAbbrev = unit;
    state.FirstPointX = points ? -1000 : 0;
    const DescribeOptions options{round % 3 == 0, 2 + round % 3, ""};
    const Result<std::string> text = DescribeBoundary(entries, state, options);
    ASSERT_TRUE(text) << text.error();
    const DescriptionReading back = ReadDescription(DescriptionFileText(*text), {unit, 0});
    SCOPED_TRACE(*text);
    ASSERT_TRUE(back.unread.empty());
    EXPECT_FALSE(back.HasDoubts());
    EXPECT_EQ(back.start.east, state.FirstPointX);
    const std::vector<Offsets> want = OffsetsOf(entries, {state.FirstPointX, 0});
    std::vector<std::string> read;
    for (const ReadCall& c : back.calls)
      read.push_back(c.entry);
    const std::vector<Offsets> got = OffsetsOf(EntryTexts(read), {});
    ASSERT_EQ(got.size(), want.size());
    const double half_unit = 0.5 * std::pow(10.0, -options.decimals);
    for (size_t i = 0; i < want.size(); ++i) {
      const double length = std::hypot(want[i].east, want[i].north);
      // Half a unit of the last decimal, and for a point list half a second
      // of the bearing written.
      const double allowed = 3 * half_unit + (points || i % 3 == 0 ? length * 5e-6 : 0) + 1e-9;
      EXPECT_NEAR(got[i].east, want[i].east, allowed) << i;
      EXPECT_NEAR(got[i].north, want[i].north, allowed) << i;
    }
  }
}

}  // namespace
}  // namespace tw
