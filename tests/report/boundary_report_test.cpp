#include "report/boundary_report.h"

#include <gtest/gtest.h>

#include "doubles/golden.h"
#include "formats/golden_project.h"
#include "formats/text_lines.h"

namespace tw {
namespace {

using test::LoadGoldenProject;
using test::ReadGolden;

Result<std::string> Report(const test::GoldenProject& p) {
  EntryList entries;
  entries.Replace(p.entries);
  return BoundaryReportBytes(entries, p.state);
}

TEST(BoundaryReport, MatchesTheGoldenFiles) {
  const std::pair<const char*, const char*> cases[] = {
      {"bearing3.twc", "bearing3_report.txt"},
      {"square_points.twc", "square_points_report.txt"},
      {"one_line_metric.twc", "one_line_metric_report.txt"},
      {"odd_unit_points.twc", "odd_unit_points_report.txt"},
  };
  for (const auto& [project, expected] : cases) {
    const Result<std::string> bytes = Report(LoadGoldenProject(project));
    ASSERT_TRUE(bytes) << project << ": " << bytes.error();
    EXPECT_EQ(ReadGolden(expected), *bytes) << project;
  }
  EXPECT_EQ(11u, SplitLines(ReadGolden("one_line_metric_report.txt")).size());
}

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

}  // namespace
}  // namespace tw
