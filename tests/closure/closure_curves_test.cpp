#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "closure/adjusted_files.h"
#include "closure/blunder_trials.h"
#include "closure/closure_lines.h"
#include "closure/closure_report.h"
#include "closure/closure_text.h"
#include "doubles/entry_lists.h"
#include "formats/project_file.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

// The 60 ft x 120 ft lot with one corner rounded to 20 ft, walked clockwise.
const std::vector<std::string> kLot = {"NE 00°00'00'' @120.00LF", "NE 90°00'00'' @40.00LF",
                                       "Curve right R 20.00LF delta 90°00'00'' tangent",
                                       "SE 00°00'00'' @100.00LF", "SW 90°00'00'' @60.00LF"};

// The lot with entry `at` keyed `entry` instead.
EntryList Lot(size_t at = 4, const char* entry = "SW 89°59'00'' @60.03LF") {
  std::vector<std::string> lot = kLot;
  lot[at] = entry;
  return test::ListOf(lot);
}

// Whether `text` is `pattern`, each '#' in it standing for a digit.
bool Matches(std::string_view text, std::string_view pattern) {
  return text.size() == pattern.size() &&
         std::equal(text.begin(), text.end(), pattern.begin(),
                    [](char t, char p) { return p == '#' ? t >= '0' && t <= '9' : t == p; });
}

ClosureAnalysis Analysed(const EntryList& list, std::optional<AdjustMethod> method = {}) {
  ClosureOptions options;
  options.method = method;
  return AnalyseClosure(list, ProgramState{}, options).value();
}

// Every method moves a curve by its chord (Compass by its length, Transit by
// its departure, Crandall along it) and holds its radius and side; the arc,
// the perimeter and the adjusted area follow, and a chord past 2R is refused.
TEST(ClosureCurves, EachMethodAdjustsTheChordAndHoldsTheRadius) {
  const char* const line3 =
      "Line 3: Curve right R 20.00LF delta 90°00'00'' tangent: chord S 45°00'00.0\" E 28.2843 -> "
      "S 45°00'##.#\" E 28.28## (lat -##.####, dep ##.####), R held";
  for (const AdjustMethodRow& row : AdjustMethods()) {
    SCOPED_TRACE(row.key);
    const ClosureAnalysis a = Analysed(Lot(), row.method);
    ASSERT_TRUE(a.adjustment && a.adjustment->ok() && a.adjustment->value().curves.size() == 1);
    const Adjustment& adj = a.adjustment->value();
    const std::string text = ClosureText(a, "lot.twc", "LF");
    const size_t at = text.find("\nLine 3: ") + 1;
    EXPECT_TRUE(Matches(text.substr(at, text.find('\n', at) - at), line3)) << text;
    EXPECT_NE(std::string::npos, text.find("\nPerimeter: " + FixedForm(260 + 10 * std::numbers::pi +
                                                                       a.lines[4].length)));
    const CurveElements& e = adj.curves[0].elements;
    const Offsets chord = adj.lines[2].offsets, was = a.lines[2].offsets;
    EXPECT_TRUE(e.radius == 20 && e.side == CurveSide::Right);
    EXPECT_NEAR(40 * std::asin(std::hypot(chord.east, chord.north) / 40), e.arc, 1e-12);
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
  const char* const half = "Curve right R 20.00LF delta 180°00'00'' CB NE 00°00'00''";
  const ClosureAnalysis a =
      Analysed(test::ListOf({"SE 00°00'00'' @40.01LF", half}), AdjustMethod::Transit);
  EXPECT_EQ("Transit: cannot adjust: the adjusted chord 40.0050 of line 2 (" + test::Cp1252(half) +
                ") is longer than the curve's diameter 40.0000",
            a.adjustment->error());
}

// A curve's course runs along its chord, by the chord's bearing, length,
// latitude and departure; the curve table gives its call and elements.
TEST(ClosureCurves, TheReportListsACurveByItsChordAndItsElements) {
  const std::vector<ReportLine> lines =
      ClosureReportLines(Analysed(Lot()), Lot().Entries(), {"lot.twc", "LF", "2026-12-07"}).value();
  const std::vector<std::vector<std::string>> expected = {
      {"3", "3", "4", "S 45°00'00\" E", "28.28", "-20.0000", "20.0000", "100.0000", "60.0000"},
      {"3", "Curve right R 20.00LF delta 90°00'00'' tangent", "20.00", "90°00'00.0\"", "31.42",
       "S 45°00'00\" E", "28.28"}};
  std::vector<std::vector<std::string>> rows;  // the course and the curve
  for (const ReportLine& l : lines)
    for (size_t k = 0; k < l.cells.size() && l.cells[0].text == "3"; ++k)
      (k == 0 ? rows.emplace_back() : rows.back()).push_back(l.cells[k].text);
  EXPECT_EQ(expected, rows);
}

// The adjusted project of a boundary with curves is a Surveyor list of
// lines and chord-bearing curves (a major arc kept major, given here as a
// pattern) that reads back to the adjusted boundary and its area.
TEST(ClosureCurves, TheAdjustedProjectHoldsLinesAndCurves) {
  const std::pair<EntryList, const char*> cases[] = {
      {Lot(), "Curve right R 20.00LF chord 28.28##LF CB SE 45°00'##''"},
      {test::ListOf(
           {"NE 90°00'00'' @30.02LF", "Curve left R 20.0LF chord 30.00LF major CB NW 90°00'00''"}),
       "Curve left R 20.0LF chord 30.0100LF major CB NW 90°00'00''"},
  };
  for (const auto& [list, pattern] : cases) {
    for (AdjustMethod method : {AdjustMethod::Compass, AdjustMethod::Transit}) {
      const ClosureAnalysis a = Analysed(list, method);
      const Adjustment& adj = a.adjustment->value();
      const Result<ProjectFile> project = ParseProjectFile(AdjustedProjectBytes(adj, "LF"));
      ASSERT_TRUE(project.ok() && project->entries.size() == list.Count());
      const std::string curve(project->entries[list.Count() == 2 ? 1 : 2]);
      EXPECT_TRUE(Matches(curve, test::Cp1252(pattern))) << curve;
      EntryList read;
      read.Replace(project->entries);
      const BoundaryFigures figures = ComputeFigures(read, ProgramState{}).value();
      EXPECT_NEAR(adj.area, figures.area, 0.05);
      EXPECT_LT(figures.closure, 1e-3);
    }
  }
}

// A slip in a curve call is undone like a line's, a turned line turning the
// tangent curve after it; only a slip that moves the curve's end is tried.
TEST(ClosureCurves, TheBlunderFinderUndoesASlipInACurve) {
  struct Case {
    size_t at;
    const char* keyed;
    const char* call;  // what was meant, when not the lot's
    BlunderKind kind;
  };
  const Case cases[] = {
      {2, "Curve left R 20.00LF delta 90°00'00'' tangent", "", BlunderKind::CurveSide},
      {2, "Curve right R 20.00LF chord 31.4159LF tangent",
       "Curve right R 20.00LF arc 31.4159LF tangent", BlunderKind::ArcAsChord},
      {2, "Curve right R 20.00LF arc 28.2843LF tangent",
       "Curve right R 20.00LF chord 28.2843LF tangent", BlunderKind::ChordAsArc},
      {2, "Curve right R 20.00LF chord 28.2843LF major tangent",
       "Curve right R 20.00LF chord 28.2843LF tangent", BlunderKind::MajorMinor},
      {2, "Curve right R 30.00LF delta 90°00'00'' tangent", "", BlunderKind::DistanceDigit},
      {2, "Curve right R 20.00LF delta 90°00'00'' CB SW 45°00'00''",
       "Curve right R 20.00LF delta 90°00'00'' CB SE 45°00'00''", BlunderKind::Quadrant},
      {1, "NE 80°00'00'' @40.00LF", "", BlunderKind::DegreeDigit},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.keyed);
    const std::string was = *c.call ? c.call : kLot[c.at];
    const ClosureAnalysis a = Analysed(Lot(c.at, c.keyed));
    ASSERT_FALSE(a.blunders.empty()) << ClosureText(a, "lot.twc", "LF");
    const BlunderFinding& first = a.blunders.front();  // parallel courses may share it
    EXPECT_TRUE(std::any_of(first.lines.begin(), first.lines.end(), [&](const BlunderLine& l) {
      return l.index == c.at && l.kind == c.kind;
    })) << FindingLine(first);
    EXPECT_NE(std::string::npos,
              FindingLine(first).find(test::Cp1252(c.keyed) + " -> " + test::Cp1252(was)));
  }
  // With a chord bearing the side and the arc move only the area: not tried.
  const std::string cb = test::Cp1252("Curve left R 50.00LF chord 25.00LF major CB SE 80°00'00''");
  for (const CurveTrial& t : CurveTrials(cb, ReadCurveEntry(cb).value()))
    EXPECT_TRUE(t.kind != BlunderKind::CurveSide && t.kind != BlunderKind::MajorMinor) << t.entry;
}

}  // namespace
}  // namespace tw
