#include "report/boundary_report.h"

#include <gtest/gtest.h>

#include "formats/text_lines.h"

namespace tw {
namespace {

struct LineCase {
  const char* what;
  ProgramState state;
  std::vector<std::string> entries;
  std::vector<std::string> expected_tail;  // the last lines of the report
};

ProgramState State(const char* unit, const char* mode, double x = 0, double y = 0) {
  ProgramState s;
  s.UnitAbbrev = unit;
  s.EntryMode = mode;
  s.FirstPointX = x;
  s.FirstPointY = y;
  return s;
}

TEST(BoundaryReport, WritesEachLineAsItsLayoutSays) {
  const LineCase cases[] = {
      {"a corner at Easting -0.25 has no zero before the point; a residue has an exponent",
       State("LF", "Carpenter"),
       {"SW 90\xB0"
        "00'00'' @.25LF"},
       {" 1, 8.07772287216293E-16,-.25", "", "CLOSURE: 0.25 LF", "AREA   : 0.00 SF   ",
        "       : 0.00 Ac"}},
      {"point texts are copied as they stand; the closure is from the first point",
       State("m.", "Point", 1520.25, 880.5),
       {"1520.25 , 880.5", "1523.250 , 884.5"},
       {"1,880.5,1520.25", "2,884.5,1523.250", "", "CLOSURE: 5.00 m.",
        "AREA   : 0.00 Square Meters  ", "       : 0.00 Hectares"}},
      {"an unknown unit has no area lines",
       State("", "Surveyor"),
       {"NE 90\xB0"
        "00'00'' @3xx"},
       {"POINT LIST (PN, N, E)", " 1, 0, 3", "", "CLOSURE: 3.00 "}},
      {"the corner list starts at (0, 0) whatever the first point",
       State("LF", "Surveyor", 500, 500),
       {"NE 90\xB0"
        "00'00'' @3LF"},
       {" 1, 0, 3", "", "CLOSURE: 3.00 LF", "AREA   : 0.00 SF   ", "       : 0.00 Ac"}},
  };
  for (const LineCase& c : cases) {
    EntryList entries;
    entries.Replace(c.entries);
    const Result<std::string> bytes = BoundaryReportBytes(entries, c.state);
    ASSERT_TRUE(bytes) << c.what << ": " << bytes.error();
    const std::vector<std::string_view> lines = SplitLines(*bytes);
    ASSERT_GE(lines.size(), c.expected_tail.size());
    const std::vector<std::string_view> tail(lines.end() - c.expected_tail.size(), lines.end());
    EXPECT_EQ(std::vector<std::string_view>(c.expected_tail.begin(), c.expected_tail.end()), tail)
        << c.what;
    EXPECT_EQ(entries.Count() - 1, entries.Selected()) << c.what;
  }
}

TEST(BoundaryReport, AnUnreadableEntryIsNamedAndNoReportMade) {
  struct Case {
    std::vector<std::string> entries;
    const char* message;
  };
  const Case cases[] = {
      {{"NE 90\xB0"
        "00'00'' @10LF",
        "NE 90\xB0"
        "00'00'' @xLF"},
       "Entry 2 cannot be read (the distance \"x\" is not a number): NE 90\xB0"
       "00'00'' @xLF"},
      // A curve's elements are listed before the corners: the same stop.
      {{"Curve left R 5LF delta 10\xB0"
        "00'00'' tangent",
        "NE 90\xB0"
        "00'00'' @10LF"},
       "Entry 1 cannot be read (a tangent curve needs an entry before it to follow): Curve left "
       "R 5LF delta 10\xB0"
       "00'00'' tangent"},
  };
  for (const Case& c : cases) {
    EntryList entries;
    entries.Replace(c.entries);
    const Result<std::string> bytes = BoundaryReportBytes(entries, State("LF", "Surveyor"));
    ASSERT_FALSE(bytes);
    EXPECT_EQ(c.message, bytes.error());
  }
}

}  // namespace
}  // namespace tw
