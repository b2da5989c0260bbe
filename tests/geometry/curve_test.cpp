#include "geometry/curve.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "doubles/cp1252.h"
#include "doubles/entry_lists.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

using test::Cp1252;

// Every given size and direction, against elements worked out by hand from
// R, the size and the direction's definition.
TEST(Curve, ElementsFromEveryGivenPair) {
  struct Case {
    const char* entry;
    std::optional<double> before;  // heading of the entry before, degrees from east
    const char* elements;
    const char* start;  // tangent at the start and at the end
    const char* end;
  };
  const Case cases[] = {
      {"Curve right R 20.00LF delta 90°00'00'' tangent", 0,
       "R 20.0000 Delta 90°00'00.0\" Arc 31.4159 Chord 28.2843 CB S 45°00'00.0\" E",
       "N 90°00'00.0\" E", "S 00°00'00.0\" E"},
      {"Curve left R 210.00LF arc 105.32LF CB NE 45°00'00''", std::nullopt,
       "R 210.0000 Delta 28°44'06.7\" Arc 105.3200 Chord 104.2197 CB N 45°00'00.0\" E",
       "N 59°22'03.4\" E", "N 30°37'56.6\" E"},
      {"Curve right R 50.00LF chord 25.00LF RB SW 10°00'00''", std::nullopt,
       "R 50.0000 Delta 28°57'18.1\" Arc 25.2680 Chord 25.0000 CB S 65°31'21.0\" E",
       "S 80°00'00.0\" E", "S 51°02'41.9\" E"},
      {"Curve left R 50.00LF chord 25.00LF major CB SE 80°00'00''", std::nullopt,
       "R 50.0000 Delta 331°02'41.9\" Arc 288.8912 Chord 25.0000 CB S 80°00'00.0\" E",
       "S 85°31'21.0\" W", "N 65°31'21.0\" W"},
      {"Curve left R 100m. delta 200°30'00'' RB NW 30°00'00''", std::nullopt,
       "R 100.0000 Delta 200°30'00.0\" Arc 349.9385 Chord 196.8081 CB N 40°15'00.0\" W",
       "N 60°00'00.0\" E", "S 39°30'00.0\" W"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    const std::string entry = Cp1252(c.entry);
    const Result<CurveCall> call = ReadCurveEntry(entry);
    ASSERT_TRUE(call) << call.error();
    CurveElements e;
    const std::optional<double> before =
        c.before ? std::optional<double>(DirectionRadians(*c.before)) : std::nullopt;
    ASSERT_TRUE(ComputeCurve(*call, before, e));
    EXPECT_EQ(Cp1252(c.elements), CurveElementsLine(e));
    EXPECT_EQ(Cp1252(c.start), HeadingForm(e.start_heading));
    EXPECT_EQ(Cp1252(c.end), HeadingForm(e.end_heading));
    EXPECT_NEAR(e.chord, std::hypot(e.chord_offsets.east, e.chord_offsets.north), 1e-9);
    EXPECT_NEAR(e.radius, std::hypot(e.to_centre.east, e.to_centre.north), 1e-9);
  }
}

TEST(Curve, ReaderRefusesAnythingButItsOwnForm) {
  const char* const refused[] = {
      "Curve right R 0LF delta 90°00'00'' tangent",    // radius 0
      "Curve right R -5LF delta 90°00'00'' tangent",   // negative
      "Curve right R 20.00 delta 90°00'00'' tangent",  // no unit
      "Curve right R 20LF chord 40.01LF tangent",      // chord > 2R
      "Curve right R 20LF delta 360°00'00'' tangent",  // a full turn
      "Curve right R 20LF delta 00°00'00'' tangent",   // no turn
      "Curve right R 1LF arc 6.2832LF tangent",        // past the circle
      "Curve right R 20LF delta 90°60'00'' tangent",   // 60 minutes
      "Curve right R 20LF delta 9°00'00'' tangent",    // one digit
      "Curve right R 20LF arc 10LF major tangent",     // major without a chord
      "Curve right R 20LF arc 10LF CB NE 91°00'00''",  // over 90
      "Curve right R 20LF arc 10LF CB NE 90°00'01''",  // over 90
      "Curve right R 20LF arc 10LF CB EN 45°00'00''",  // no quadrant
      "Curve right R 20LF arc 10LF RB NE 45°00'00'",   // seconds mark
      "Curve right R 20LF arc 10LF tangent ",          // trailing blank
      "Curve right  R 20LF arc 10LF tangent",          // two blanks
      "Curve up R 20LF arc 10LF tangent",              // no side
      "Curve right R 20LF arc 1e999LF tangent",        // not finite
  };
  for (const char* text : refused) {
    const Result<CurveCall> call = ReadCurveEntry(Cp1252(text));
    EXPECT_FALSE(call) << text;
    if (!call) {
      EXPECT_EQ(0u, call.error().find("the curve")) << call.error();
    }
  }
  EXPECT_TRUE(ReadCurveEntry(Cp1252("Curve right R 20LF chord 40LF CB NE 90°00'00''")));
}

// Area, perimeter and closure of whole boundaries walked either way.
TEST(Curve, BoundariesWithCurves) {
  struct Case {
    const char* name;
    std::vector<std::string> entries;
    double area, perimeter, closure;
  };
  const double pi = 3.14159265358979;
  const std::vector<std::string> lot = {"NE 00°00'00'' @120.00LF", "NE 90°00'00'' @40.00LF",
                                        "Curve right R 20.00LF delta 90°00'00'' tangent",
                                        "SE 00°00'00'' @100.00LF", "SW 90°00'00'' @60.00LF"};
  const Case cases[] = {
      {"rounded corner, clockwise", lot, 7114.159265, 351.415927, 0},
      {"the same lot walked counter-clockwise",
       {"NE 90°00'00'' @60.00LF", "NW 00°00'00'' @100.00LF",
        "Curve left R 20.00LF delta 90°00'00'' tangent", "SW 90°00'00'' @40.00LF",
        "SE 00°00'00'' @120.00LF"},
       7114.159265,
       351.415927,
       0},
      {"two semicircles, a list that starts with a curve",
       {"Curve left R 10LF delta 180°00'00'' CB NE 90°00'00''",
        "Curve left R 10LF delta 180°00'00'' tangent"},
       100 * pi,
       20 * pi,
       0},
      {"a bite out of a square",
       {"NE 90°00'00'' @100LF", "NW 00°00'00'' @100LF", "SW 90°00'00'' @100LF",
        "Curve right R 50LF chord 100LF CB SE 00°00'00''"},
       10000 - 1250 * pi,
       300 + 50 * pi,
       0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EntryList list = test::ListOf(c.entries);
    const Result<BoundaryFigures> figures = ComputeFigures(list, ProgramState{});
    ASSERT_TRUE(figures) << figures.error();
    EXPECT_NEAR(c.area, figures->area, 1e-6);
    EXPECT_NEAR(c.closure, figures->closure, 1e-9);
    double perimeter = 0;
    (void)WalkEntries(list.Entries(), EntryKind::Angle, {},
                      [&](const CornerStep& s) { perimeter += PathLength(s); });
    EXPECT_NEAR(c.perimeter, perimeter, 1e-6);
  }
}

TEST(Curve, TangentCurveFirstCannotBeRead) {
  EntryList list = test::ListOf({"Curve right R 20LF delta 90°00'00'' tangent"});
  const Result<BoundaryFigures> figures = ComputeFigures(list, ProgramState{});
  ASSERT_FALSE(figures);
  EXPECT_EQ(0u, figures.error().find(std::string("Entry 1 cannot be read (") + kTangentFirstReason))
      << figures.error();
}

// The arc's bounds take the points it passes due east, north, west or south
// of its centre, not only its ends.
TEST(Curve, ArcBoundsHoldTheWholeArc) {
  CurveCall call;
  ASSERT_TRUE(
      ReadCurveEntryTo(Cp1252("Curve left R 10LF delta 180°00'00'' CB NE 90°00'00''"), call));
  CurveElements e;
  ASSERT_TRUE(ComputeCurve(call, std::nullopt, e));
  double lowest = 0;
  double highest = -1;
  VisitArcBounds(e, PlanePoint{}, [&](PlanePoint p) {
    lowest = std::min(lowest, p.north);
    highest = std::max(highest, p.north);
  });
  EXPECT_NEAR(-10, lowest, 1e-9);  // the semicircle hangs below its chord
  EXPECT_NEAR(0, highest, 1e-9);   // and nothing of it above
}

}  // namespace
}  // namespace tw
