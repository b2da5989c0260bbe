#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "closure/adjusted_files.h"
#include "closure/closure_report.h"
#include "closure/closure_text.h"
#include "doubles/entry_lists.h"
#include "formats/project_file.h"
#include "geometry/bearing_forms.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

// The 60 ft x 120 ft lot with one corner rounded to 20 ft, walked clockwise,
// entry `at` keyed `entry` instead.
EntryList Lot(size_t at = 4, const char* entry = "SW 89°59'00'' @60.03LF") {
  std::vector<std::string> lot = {"NE 00°00'00'' @120.00LF", "NE 90°00'00'' @40.00LF",
                                  "Curve right R 20.00LF delta 90°00'00'' tangent",
                                  "SE 00°00'00'' @100.00LF", "SW 90°00'00'' @60.00LF"};
  lot[at] = entry;
  return test::ListOf(lot);
}

ClosureAnalysis Analysed(const EntryList& list, std::optional<AdjustMethod> method = {}) {
  ClosureOptions options;
  options.method = method;
  const Result<ClosureAnalysis> a = AnalyseClosure(list, ProgramState{}, options);
  EXPECT_TRUE(a.ok()) << (a.ok() ? "" : a.error());
  return *a;
}

std::string LineOf(const std::string& text, const std::string& start) {
  const size_t at = text.find("\n" + start) + 1;
  return at == 0 ? "" : text.substr(at, text.find('\n', at) - at);
}

// Every method moves the curve by its chord as it moves a line: Compass in
// proportion to the chord among the courses' lengths, Transit to the
// chord's departure, Crandall along the chord. The adjusted curve keeps its
// radius and side, its delta and arc following from the chord; the adjusted
// area takes in its segment and the perimeter its arc.
TEST(ClosureCurves, EachMethodAdjustsTheChordAndHoldsTheRadius) {
  const char* const line3 =
      "Line 3: Curve right R 20.00LF delta 90°00'00'' tangent: chord S 45°00'00.0\" E 28.2843 -> "
      "S 45°00'[0-9]{2}\\.[0-9]\" E 28\\.28[0-9]{2} \\(lat -[0-9.]+, dep [0-9.]+\\), R held";
  for (const AdjustMethodRow& row : AdjustMethods()) {
    SCOPED_TRACE(row.key);
    const ClosureAnalysis a = Analysed(Lot(), row.method);
    ASSERT_TRUE(a.adjustment && a.adjustment->ok()) << a.adjustment->error();
    const Adjustment& adj = a.adjustment->value();
    const std::string text = ClosureText(a, "lot.twc", "LF");
    EXPECT_TRUE(std::regex_match(LineOf(text, "Line 3:"), std::regex(line3))) << text;
    EXPECT_EQ("Perimeter: " + FixedForm(260 + 10 * std::numbers::pi + a.lines[4].length) + " LF",
              LineOf(text, "Perimeter:"));
    ASSERT_EQ(1u, adj.curves.size());
    const CurveElements& e = adj.curves[0].elements;
    const Offsets chord = adj.lines[2].offsets, was = a.lines[2].offsets;
    EXPECT_TRUE(e.radius == 20 && e.side == CurveSide::Right);
    EXPECT_NEAR(std::hypot(chord.east, chord.north), e.chord, 1e-12);
    EXPECT_NEAR(2 * std::asin(e.chord / 40), e.delta, 1e-12);
    EXPECT_NEAR(20 * e.delta, e.arc, 1e-12);
    double chords = 0, departures = 0, twice = 0;
    PlanePoint p;
    for (size_t i = 0; i < a.lines.size(); ++i) {
      chords += a.lines[i].length;
      departures += std::fabs(a.lines[i].offsets.east);
      twice += p.east * adj.corners[i].north - p.north * adj.corners[i].east;
      p = adj.corners[i];
    }
    const double expected[] = {-a.figures.delta_north * a.lines[2].length / chords,
                               -a.figures.delta_east * was.east / departures, 0};
    const double made[] = {chord.north - was.north, chord.east - was.east,
                           was.east * chord.north - was.north * chord.east};
    EXPECT_NEAR(expected[static_cast<int>(row.method)], made[static_cast<int>(row.method)], 1e-12);
    EXPECT_NEAR(std::fabs(twice) / 2 + 200 * (e.delta - std::sin(e.delta)), adj.area, 1e-6);
  }
  // A chord adjusted past the diameter leaves no curve of that radius.
  const ClosureAnalysis half =
      Analysed(test::ListOf({"SE 00°00'00'' @40.01LF",
                             "Curve right R 20.00LF delta 180°00'00'' CB NE 00°00'00''"}),
               AdjustMethod::Transit);
  EXPECT_EQ(
      test::Cp1252("Transit: cannot adjust: the adjusted chord 40.0050 of line 2 (Curve right R "
                   "20.00LF delta 180°00'00'' CB NE 00°00'00'') is longer than the curve's "
                   "diameter 40.0000"),
      half.adjustment->error());
}

// A curve's course runs along its chord, by the chord's bearing, length,
// latitude and departure; the curve table gives its call and elements.
TEST(ClosureCurves, TheReportListsACurveByItsChordAndItsElements) {
  const Result<std::vector<ReportLine>> lines =
      ClosureReportLines(Analysed(Lot()), Lot().Entries(), {"lot.twc", "LF", "2026-12-07"});
  ASSERT_TRUE(lines.ok());
  const std::vector<std::vector<std::string>> expected = {
      {"3", "3", "4", "S 45°00'00\" E", "28.28", "-20.0000", "20.0000", "100.0000", "60.0000"},
      {"3", "Curve right R 20.00LF delta 90°00'00'' tangent", "20.00", "90°00'00.0\"", "31.42",
       "S 45°00'00\" E", "28.28"}};
  std::vector<std::vector<std::string>> rows;  // the course and the curve
  for (const ReportLine& l : *lines) {
    if (!l.cells.empty() && l.cells[0].text == "3")
      rows.emplace_back();
    for (const ReportCell& c : l.cells)
      if (l.cells[0].text == "3")
        rows.back().push_back(c.text);
  }
  EXPECT_EQ(expected, rows);
}

// The adjusted project of a boundary with curves is a Surveyor list of
// lines and chord-bearing curves that reads back to the adjusted boundary,
// its area with the segments; a major arc stays major.
TEST(ClosureCurves, TheAdjustedProjectHoldsLinesAndCurves) {
  struct Case {
    EntryList list;
    const char* curve;  // the curve entry written, as a pattern
    size_t at;
  };
  const Case cases[] = {
      {Lot(),
       "Curve right R 20\\.00LF chord 28\\.28[0-9]{2}LF CB SE 45\xB0"
       "00'[0-9]{2}''",
       2},
      {test::ListOf(
           {"NE 90°00'00'' @30.02LF", "Curve left R 20.0LF chord 30.00LF major CB NW 90°00'00''"}),
       "Curve left R 20\\.0LF chord 30\\.0100LF major CB NW 90\xB0"
       "00'00''",
       1},
  };
  for (const Case& c : cases) {
    for (AdjustMethod method : {AdjustMethod::Compass, AdjustMethod::Transit}) {
      const ClosureAnalysis a = Analysed(c.list, method);
      const Adjustment& adj = a.adjustment->value();
      const Result<ProjectFile> project = ParseProjectFile(AdjustedProjectBytes(adj, "LF"));
      ASSERT_TRUE(project.ok() && project->header);
      EXPECT_EQ("Surveyor", project->header->EntryMode);
      ASSERT_EQ(c.list.Count(), project->entries.size());
      EXPECT_TRUE(std::regex_match(std::string(project->entries[c.at]), std::regex(c.curve)))
          << project->entries[c.at];
      EntryList read;
      read.Replace(project->entries);
      const Result<BoundaryFigures> figures = ComputeFigures(read, ProgramState{});
      ASSERT_TRUE(figures.ok()) << figures.error();
      EXPECT_NEAR(adj.area, figures->area, 0.05);
      EXPECT_LT(figures->closure, 1e-3);
    }
  }
}

}  // namespace
}  // namespace tw
