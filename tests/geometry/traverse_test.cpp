#include "geometry/traverse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include <string>
#include <vector>

#include "base/numbers.h"
#include "doubles/cp1252.h"
#include "doubles/entry_lists.h"
#include "geometry/corner_walk.h"

namespace tw {
namespace {

// The largest boundary numbers still square without overflow.
TEST(Traverse, ClosureOfTheLargestNumbers) {
  EXPECT_DOUBLE_EQ(1e99, ComputeClosure(1e99, 0));
  EXPECT_DOUBLE_EQ(14.142135623730951, ComputeClosure(-10, 10));
}

TEST(Traverse, AreaAndClosureOfWorkedExamples) {
  struct Case {
    const char* area;     // as logged, "00.00#####"
    const char* closure;  // of the last corner, as logged
    std::vector<std::string> entries;
    double first_x = 0, first_y = 0;
  };
  const Case cases[] = {
      // East 10, then north 10: two bearing lines already enclose a triangle.
      {"50.00", "14.1421356", {"NE 90°00'00'' @10LF", "NW 00°00'00'' @10LF"}},
      // Then west 10: a square.
      {"100.00", "10.00", {"NE 90°00'00'' @10LF", "NW 00°00'00'' @10LF", "SW 90°00'00'' @10LF"}},
      // A closed square: the angle constant's residue is logged as zero.
      {"10000.00",
       "00.00",
       {"NW 00°00'00'' @100LF", "NE 90°00'00'' @100LF", "SE 00°00'00'' @100LF",
        "SW 90°00'00'' @100LF"}},
      // One line encloses nothing; Surveyor and Carpenter entries mix.
      {"00.00", "12.50", {"NE 45°00'00'' @ 12.5LF"}},
      {"50.00", "14.1421356", {"NE 90°00'00'' @ 10m.", "NW 00°00'00'' @10m."}},
      // Points: three are needed for an area.
      {"50.00", "14.1421356", {"0 , 0", "10 , 0", "10 , 10"}},
      {"00.00", "00.00", {"0 , 0"}},
      {"00.00", "00.00", {}},
      // The first point's offset changes nothing.
      {"50.00", "14.1421356", {"100 , 200", "110 , 200", "110 , 210"}, 100, 200},
      {"100.00", "10.00", {"0 , 0", "0 , 10", "10 , 10", "10 , 0"}},  // clockwise
      // A self-crossing boundary gives the absolute signed sum, no warning.
      {"00.00", "10.00", {"0 , 0", "10 , 10", "10 , 0", "0 , 10"}},
      {"50.00", "10.00", {"0 , 0", "10 , 10", "10 , 0", "0 , 20", "0 , 10"}},
      // The start corner is FirstPointX/FirstPointY, whatever entry 0 says.
      {"50.00", "14.1421356", {"10 , 0", "10 , 10"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries.empty() ? "(empty)" : c.entries.front());
    EntryList list = test::ListOf(c.entries);
    ProgramState state;
    state.FirstPointX = c.first_x;
    state.FirstPointY = c.first_y;
    const Result<BoundaryFigures> figures = ComputeFigures(list, state);
    ASSERT_TRUE(figures) << figures.error();
    EXPECT_EQ(c.area, LogPattern(figures->area));
    EXPECT_EQ(c.closure, LogPattern(figures->closure));
    const Result<double> area = ComputeArea(list, state);
    ASSERT_TRUE(area) << area.error();
    EXPECT_EQ(figures->area, *area);
    EXPECT_EQ(std::nullopt, list.Selected()) << "the area only reads the list";
  }
}

TEST(Traverse, StopsAtAnUnreadableEntry) {
  struct Case {
    const char* names;
    std::vector<std::string> entries;
  };
  const Case cases[] = {
      {"Entry 2 ", {"NE 90°00'00'' @10LF", "NE 9°00'00'' @10LF", "NW 00°00'00'' @10LF"}},
      {"Entry 3 ", {"NE 90°00'00'' @10LF", "NE 90°00'00'' @10LF", "1 , 2"}},
      {"Entry 1 ", {"1e100 , 0", "1 , 2"}},
  };
  for (const Case& c : cases) {
    EntryList list = test::ListOf(c.entries);
    list.Select(0);
    const Result<double> area = ComputeArea(list, ProgramState{});
    ASSERT_FALSE(area) << c.names;
    EXPECT_EQ(0u, area.error().find(c.names)) << area.error();
    EXPECT_EQ(0u, list.Selected()) << "a failed walk leaves the selection";
  }
}

// The walk every reader shares: what each step carries, by the kind the
// caller chose (not by the entries), and where it stops.
TEST(CornerWalk, StepsAndStop) {
  struct Case {
    EntryKind kind;
    PlanePoint start;
    std::vector<std::string> entries;
    const char* steps;  // "index:x,y dx,dy d" per visited entry, LogPattern
    std::optional<size_t> stop;
  };
  const Case cases[] = {
      // A negative distance runs backwards and is given as converted.
      {EntryKind::Angle,
       {1, 2},
       {"NE 90°00'00'' @3LF", "NW 00°00'00'' @-4LF"},
       "0:4.00,2.00 3.00,0.00 3.00 1:4.00,-2.00 0.00,-4.00 -4.00 ",
       std::nullopt},
      // Points are their own corners; the offsets are from the corner before.
      {EntryKind::Point,
       {1, 2},
       {"4 , 6", "4 , 9"},
       "0:4.00,6.00 3.00,4.00 0.00 1:4.00,9.00 0.00,3.00 0.00 ",
       std::nullopt},
      // The caller's kind wins: a point entry in a bearing walk stops it.
      {EntryKind::Angle, {}, {"NE 90°00'00'' @3LF", "1 , 2"}, "0:3.00,0.00 3.00,0.00 3.00 ", 1},
  };
  // The angle constant leaves a due-north line a dx of about 1e-13.
  const auto pattern = [](double v) { return ApplyPattern(std::fabs(v) < 1e-9 ? 0 : v, 1, 2, 2); };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.steps);
    std::string steps;
    const std::optional<UnreadableEntry> stop =
        WalkEntries(test::ListOf(c.entries).Entries(), c.kind, c.start, [&](const CornerStep& s) {
          steps += std::to_string(s.index) + ":" + pattern(s.corner.east) + "," +
                   pattern(s.corner.north) + " " + pattern(s.offsets.east) + "," +
                   pattern(s.offsets.north) + " " + pattern(s.distance) + " ";
        });
    EXPECT_EQ(c.steps, steps);
    EXPECT_EQ(c.stop, stop ? std::optional<size_t>(stop->index) : std::nullopt);
    if (stop) {
      EXPECT_EQ(0u, stop->message.find("Entry 2 ")) << stop->message;
    }
  }
}

}  // namespace
}  // namespace tw
