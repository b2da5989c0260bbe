#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "base/numbers.h"
#include "closure/adjusted_files.h"
#include "closure/adjustment.h"
#include "closure/closure_analysis.h"
#include "closure/closure_lines.h"
#include "closure/closure_text.h"
#include "doubles/cp1252.h"
#include "doubles/entry_lists.h"
#include "formats/point_file.h"
#include "formats/project_file.h"
#include "geometry/bearing.h"
#include "geometry/bearing_forms.h"

namespace tw {
namespace {

// The worked example: four lines in feet that miss by 0.42.
const EntryList kExample = test::ListOf(test::ClosureExampleEntries());

ClosureAnalysis Analyse(const EntryList& list, ClosureOptions options = {}) {
  const Result<ClosureAnalysis> a = AnalyseClosure(list, ProgramState{}, options);
  EXPECT_TRUE(a.ok()) << (a.ok() ? "" : a.error());
  return *a;
}

ClosureOptions WithMethod(AdjustMethod method) {
  ClosureOptions options;
  options.method = method;
  return options;
}

std::string Utf8(const std::string& cp1252) {
  std::string out;
  for (char c : cp1252)
    out += c == '\xB0' ? std::string("\xC2\xB0") : std::string(1, c);
  return out;
}

TEST(Closure, EachMethodAdjustsTheWorkedExample) {
  struct Case {
    AdjustMethod method;
    double lat_dep[4][2];  // to three decimals
    const char* area;
  };
  const Case cases[] = {
      {AdjustMethod::Compass,
       {{19.365, 78.105}, {-37.507, 27.268}, {-35.371, -63.588}, {53.513, -41.786}},
       "4169.1427"},
      {AdjustMethod::Transit,
       {{19.413, 78.127}, {-37.530, 27.255}, {-35.363, -63.578}, {53.480, -41.803}},
       "4169.8475"},
      {AdjustMethod::Crandall,
       {{19.469, 78.086}, {-37.583, 27.306}, {-35.291, -63.667}, {53.405, -41.725}},
       "4169.5235"},
  };
  ASSERT_EQ(std::size(cases), AdjustMethods().size());
  for (const Case& c : cases) {
    SCOPED_TRACE(MethodName(c.method));
    const ClosureAnalysis a = Analyse(kExample, WithMethod(c.method));
    ASSERT_TRUE(a.adjustment && a.adjustment->ok());
    const Adjustment& adj = a.adjustment->value();
    for (size_t i = 0; i < 4; ++i) {
      EXPECT_NEAR(c.lat_dep[i][0], adj.lines[i].offsets.north, 0.0005);
      EXPECT_NEAR(c.lat_dep[i][1], adj.lines[i].offsets.east, 0.0005);
    }
    EXPECT_EQ(c.area, FixedForm(adj.area));
    EXPECT_LT(std::hypot(adj.corners.back().east, adj.corners.back().north),
              1e-12 * a.figures.perimeter);
  }
  // Crandall keeps every direction and corrects the lengths alone.
  const ClosureAnalysis a = Analyse(kExample, WithMethod(AdjustMethod::Crandall));
  const char* lengths[] = {"80.4766", "46.4555", "72.7940", "67.7725"};
  for (size_t i = 0; i < 4; ++i) {
    const TraverseLine& l = a.adjustment->value().lines[i];
    EXPECT_EQ(lengths[i], FixedForm(l.length));
    EXPECT_EQ(BearingForm(a.lines[i].offsets.east, a.lines[i].offsets.north),
              BearingForm(l.offsets.east, l.offsets.north));
  }
}

// Both files hold corners 0 to n - 1 rounded to four decimals: the point
// export of the adjusted project file is the adjusted point export.
TEST(Closure, AdjustedFilesHoldTheSameCorners) {
  const ClosureAnalysis a = Analyse(kExample, WithMethod(AdjustMethod::Transit));
  const Adjustment& adj = a.adjustment->value();
  const Result<ProjectFile> project = ParseProjectFile(AdjustedProjectBytes(adj, "LF"));
  ASSERT_TRUE(project.ok());
  EXPECT_EQ(4u, project->entries.size());
  EXPECT_EQ("0 , 0", project->entries[0]);
  EXPECT_EQ("78.1269 , 19.4127", project->entries[1]);
  ProgramState points;
  points.EntryMode = "Point";
  EXPECT_EQ(*PointFileBytes(project->entries, points), AdjustedPointBytes(adj));
}

TEST(Closure, CrandallRefusesParallelLines) {
  const ClosureAnalysis a = Analyse(test::ListOf({"NE 45°00'00'' @100LF", "SW 45°00'00'' @99LF"}),
                                    WithMethod(AdjustMethod::Crandall));
  ASSERT_TRUE(a.adjustment && !a.adjustment->ok());
  EXPECT_EQ(kCrandallSingular, a.adjustment->error());
}

// One oblique line far longer than the rest at a gross misclosure: the
// corners close to 1e-12 of the perimeter, or Crandall says it cannot.
TEST(Closure, CrandallClosesAsPromisedOrRefuses) {
  struct Case {
    const char* long_line;
    bool solvable;
  };
  const Case cases[] = {{"@1e6LF", true},  {"@1e10LF", true},  {"@1e11LF", true},
                        {"@1e12LF", true}, {"@1e13LF", false}, {"@1e16LF", false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.long_line);
    const ClosureAnalysis a =
        Analyse(test::ListOf({std::string("NE 37°00'00'' ") + c.long_line, "SE 20°00'00'' @1LF",
                              "SW 50°00'00'' @3LF", "NW 10°00'00'' @2LF"}),
                WithMethod(AdjustMethod::Crandall));
    ASSERT_TRUE(a.adjustment);
    if (!c.solvable) {
      EXPECT_EQ(kCrandallIllConditioned, a.adjustment->error());
      continue;
    }
    ASSERT_TRUE(a.adjustment->ok()) << a.adjustment->error();
    const PlanePoint end = a.adjustment->value().corners.back();
    EXPECT_LE(std::hypot(end.east, end.north), 1e-12 * a.figures.perimeter);
  }
}

// Transit shares by the sums of |lat| and |dep|, Compass by the perimeter:
// where that sum is 0 the component takes no share and stays exactly as it
// was, and the other still closes.
TEST(Closure, AZeroSumTakesNoShare) {
  struct Case {
    const char* what;
    AdjustMethod method;
    std::vector<TraverseLine> lines;  // east, north, length
  };
  const Case cases[] = {
      {"Transit, no latitude", AdjustMethod::Transit, {{100, 0, 100}, {-90, 0, 90}}},
      {"Transit, no departure", AdjustMethod::Transit, {{0, 60, 60}, {0, -50, 50}}},
      {"Compass, no perimeter", AdjustMethod::Compass, {{0, 0, 0}, {0, 0, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Result<Adjustment> a = Adjust(c.lines, SumLines(c.lines), c.method);
    ASSERT_TRUE(a.ok()) << a.error();
    double east = 0;
    double north = 0;
    for (size_t i = 0; i < c.lines.size(); ++i) {
      const Offsets& l = a->lines[i].offsets;
      if (c.lines[i].offsets.north == 0) {
        EXPECT_EQ(0, l.north) << "line " << i;
      }
      if (c.lines[i].offsets.east == 0) {
        EXPECT_EQ(0, l.east) << "line " << i;
      }
      east += l.east;
      north += l.north;
    }
    EXPECT_NEAR(0, east, 1e-12);
    EXPECT_NEAR(0, north, 1e-12);
  }
}

// A closed square leaves a residue of 1e-13 from the angle constant; a single
// zero-length line has no perimeter. Both are exact and meet any standard.
TEST(Closure, ExactClosure) {
  for (const EntryList& list : {test::ListOf({"NE 90°00'00'' @10LF", "NW 00°00'00'' @10LF",
                                              "SW 90°00'00'' @10LF", "SE 00°00'00'' @10LF"}),
                                test::ListOf({"NE 12°00'00'' @0LF"})}) {
    ClosureOptions strictest;
    strictest.standard = 1000000;
    const ClosureAnalysis a = Analyse(list, strictest);
    EXPECT_TRUE(a.figures.precision.exact);
    EXPECT_TRUE(a.standard_met);
    const std::string text = ClosureText(a, "t.twc", "LF");
    EXPECT_NE(std::string::npos,
              text.find("Misclosure: 0.0000\nPrecision: exact\nStandard: 1:1000000 met\n"));
    EXPECT_NE(std::string::npos, text.find("\nBlunders: none needed\n"));
  }
}

// The verdict lines that the closure text prints plain and the plat grouped.
TEST(Closure, VerdictLinesGroupTheirRatiosAsAsked) {
  ClosureOptions lenient;
  lenient.standard = 1000;
  ClosureOptions strictest;
  strictest.standard = 1000000;
  struct Case {
    std::vector<std::string> entries;
    ClosureOptions options;
    std::vector<std::string> plain, grouped;
  } cases[] = {
      {test::ClosureExampleEntries(),
       {},
       {"Misclosure: 0.4210 towards N 47°38'29.7\" W", "Precision: 1:635",
        "Standard: 1:10000 not met"},
       {"Misclosure: 0.4210 towards N 47°38'29.7\" W", "Precision: 1:635",
        "Standard: 1:10,000 not met"}},
      // 0.5 short of the start over 1999.5: 1:3999, due north.
      {{"NE 00°00'00'' @1000LF", "SE 00°00'00'' @999.5LF"},
       lenient,
       {"Misclosure: 0.5000 towards N 00°00'00.0\" E", "Precision: 1:3999", "Standard: 1:1000 met"},
       {"Misclosure: 0.5000 towards N 00°00'00.0\" E", "Precision: 1:3,999",
        "Standard: 1:1,000 met"}},
      {{"NE 90°00'00'' @10LF", "NW 00°00'00'' @10LF", "SW 90°00'00'' @10LF", "SE 00°00'00'' @10LF"},
       strictest,
       {"Misclosure: 0.0000", "Precision: exact", "Standard: 1:1000000 met"},
       {"Misclosure: 0.0000", "Precision: exact", "Standard: 1:1,000,000 met"}},
  };
  for (Case& c : cases) {
    SCOPED_TRACE(c.plain[0]);
    const ClosureAnalysis a = Analyse(test::ListOf(c.entries), c.options);
    for (std::string& line : c.plain)
      line = test::Cp1252(line);
    for (std::string& line : c.grouped)
      line = test::Cp1252(line);
    EXPECT_EQ(VerdictLines(a, DigitGroups::None), c.plain);
    EXPECT_EQ(VerdictLines(a, DigitGroups::Thousands), c.grouped);
  }
}

// Windows-1252 throughout: a unit without area words is kept as held.
TEST(Closure, AreaLineNamesTheLargerUnit) {
  struct Case {
    double area;
    const char* unit;
    const char* line;
  } cases[] = {
      {43560, "LF", "Area: 43560.0000 sq ft (1.0000 acres)"},
      {5000, "m.", "Area: 5000.0000 sq m (0.5000 hectares)"},
      {2.5, "\xB5m", "Area: 2.5000 \xB5m"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(AreaLine(c.area, c.unit), c.line);
}

TEST(Closure, PointListClosesByDefinition) {
  const ClosureAnalysis a = Analyse(test::ListOf({"0 , 0", "100 , 0", "100 , 50", "0 , 50"}),
                                    WithMethod(AdjustMethod::Compass));
  EXPECT_EQ(
      "Closure of p.twc\nLines: 4\nPerimeter: 300.0000 m.\n"
      "Misclosure: none (point list)\nArea: 5000.0000 sq m (0.5000 hectares)\n",
      ClosureText(a, "p.twc", "m."));
}

// Vectors at a bearing given in degrees, minutes and seconds of a quadrant.
TEST(Closure, BearingForm) {
  struct Case {
    const char* expected;
    double east, north;
  };
  const auto at = [](double sign_e, double sign_n, double seconds) {
    const double r = seconds / 3600 * kAngleConstant / 180;
    return std::pair{sign_e * std::sin(r), sign_n * std::cos(r)};
  };
  const auto [e1, n1] = at(-1, -1, 46 * 3600 + 54 * 60 + 36.6);
  const auto [e2, n2] = at(1, 1, 10 * 3600 + 59 * 60 + 59.96);   // carries to 11°
  const auto [e3, n3] = at(-1, 1, 89 * 3600 + 59 * 60 + 59.97);  // carries to 90°
  const Case cases[] = {
      {"S 46°54'36.6\" W", e1, n1},     {"N 11°00'00.0\" E", e2, n2},
      {"N 90°00'00.0\" W", e3, n3},     {"N 00°00'00.0\" E", 0, 5},
      {"S 00°00'00.0\" E", -1e-12, -5},  // due south, a hair west
      {"N 90°00'00.0\" E", 3, -1e-12},   // due east, a hair south
      {"N 90°00'00.0\" W", -3, 0},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, Utf8(BearingForm(c.east, c.north))) << c.east << ", " << c.north;
  // Whole seconds, as the report gives them, carry the same way.
  const auto [e4, n4] = at(1, 1, 10 * 3600 + 59 * 60 + 59.5);
  const Case whole[] = {
      {"S 46°54'37\" W", e1, n1},
      {"N 11°00'00\" E", e4, n4},
      {"N 90°00'00\" W", e3, n3},
      {"S 00°00'00\" E", -1e-12, -5},
  };
  for (const Case& c : whole)
    EXPECT_EQ(c.expected, Utf8(QuadrantForm(QuadrantOf(c.east, c.north), false)))
        << c.east << ", " << c.north;
}

TEST(Closure, NumberFormRoundsHalfAwayAndNeverShowsMinusZero) {
  EXPECT_EQ("0.0000", FixedForm(-0.00004));
  EXPECT_EQ("-1.2346", FixedForm(-1.23455));
  EXPECT_EQ(0.0, RoundToFourDecimals(-0.00004));
  EXPECT_FALSE(std::signbit(*RoundToFourDecimals(-0.00004)));
  // Past the limit of an entry's numbers there is nothing to round to.
  EXPECT_EQ(std::nullopt, RoundToFourDecimals(-kBoundaryNumberLimit));
}

// A traverse nearly straight: a line north and two back, 20" and 2' off it.
const EntryList kWeak =
    test::ListOf({"NE 00°00'00'' @1000LF", "SE 00°00'20'' @500LF", "SW 00°02'00'' @500LF"});

// What is said before an adjustment: the standard not met by any method;
// for Crandall the largest change and the weak shape only past ten
// misclosures; and a length left at 0 or less refused.
TEST(Closure, GuardRails) {
  struct Case {
    const char* what;
    const EntryList& list;
    AdjustMethod method;
    int standard;
    bool not_met;
    bool weak;
    const char* refused;  // "" when adjusted
  };
  const EntryList reversed =
      test::ListOf({"SE 90°00'00'' @1000LF", "NW 90°00'10'' @1000LF", "SW 00°00'00'' @0.01LF"});
  const Case cases[] = {
      {"met, Crandall within the guard", kExample, AdjustMethod::Crandall, 500, false, false, ""},
      {"not met, Crandall within the guard", kExample, AdjustMethod::Crandall, 10000, true, false,
       ""},
      {"not met, Transit", kExample, AdjustMethod::Transit, 1000, true, false, ""},
      {"weak shape, Compass", kWeak, AdjustMethod::Compass, 10000, true, false, ""},
      {"weak shape, Crandall", kWeak, AdjustMethod::Crandall, 10000, true, true, ""},
      {"weak shape, standard met", kWeak, AdjustMethod::Crandall, 5000, false, true, ""},
      {"a length left at 0 or less", reversed, AdjustMethod::Crandall, 500, false, false,
       "would leave line 3 a length of 0 or less"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ClosureOptions options = WithMethod(c.method);
    options.standard = c.standard;
    const ClosureAnalysis a = Analyse(c.list, options);
    ASSERT_TRUE(a.adjustment);
    EXPECT_EQ(*c.refused != 0, !a.adjustment->ok());
    if (!a.adjustment->ok()) {
      EXPECT_NE(std::string::npos, a.adjustment->error().find(c.refused)) << a.adjustment->error();
      EXPECT_TRUE(AdjustmentNotes(a, DigitGroups::None, "LF", ChangeShown::Always).empty());
      continue;
    }
    const std::vector<std::string> text =
        AdjustmentNotes(a, DigitGroups::None, "LF", ChangeShown::WhenTooWeak);
    const std::vector<std::string> dialog =
        AdjustmentNotes(a, DigitGroups::Thousands, "LF", ChangeShown::Always);
    const bool crandall = c.method == AdjustMethod::Crandall;
    EXPECT_EQ(text.size(), (c.not_met ? 1u : 0u) + (c.weak ? 2u : 0u));
    EXPECT_EQ(dialog.size(), (c.not_met ? 1u : 0u) + (crandall ? 1u : 0u) + (c.weak ? 1u : 0u));
    EXPECT_EQ(c.not_met, !text.empty() && text.front().starts_with("The standard "));
    EXPECT_EQ(c.weak, !text.empty() && text.back() == WeakShapeLine());
    EXPECT_EQ(c.weak, CrandallTooWeak(a));
  }
}

// The largest change is the first of the greatest size, with its sign; the
// shape is too weak only past ten misclosures.
TEST(Closure, LargestLengthChangeAndItsGuard) {
  struct Case {
    std::vector<double> entered;
    std::vector<double> adjusted;
    size_t line;
    double change;
    double misclosure;
    bool weak;
  };
  const Case cases[] = {
      {{10, 20, 30}, {12, 17, 32}, 1, -3, 0.3, false},
      {{10, 20, 30}, {12, 17, 32}, 1, -3, 0.2999, true},
      {{10, 20}, {12, 18}, 0, 2, 0.1, true},
      {{10, 20}, {10, 20}, 0, 0, 0, false},
  };
  const auto lines = [](const std::vector<double>& lengths) {
    std::vector<TraverseLine> out;
    for (double l : lengths)
      out.push_back({{.east = 0, .north = l}, l});
    return out;
  };
  for (const Case& c : cases) {
    const LengthChange change = LargestLengthChange(lines(c.entered), lines(c.adjusted));
    EXPECT_EQ(c.line, change.line);
    EXPECT_EQ(c.change, change.change);
    EXPECT_EQ(c.weak, TooWeaklyShaped(change, c.misclosure)) << c.misclosure;
  }
}

// Every method walks its corners from the project's start, as the exports
// do, back to it, and keeps the area it has from (0, 0).
TEST(Closure, AdjustedCornersStartAtTheStart) {
  ProgramState moved;
  moved.FirstPointX = 5000.5;
  moved.FirstPointY = -20000;
  for (const AdjustMethodRow& row : AdjustMethods()) {
    SCOPED_TRACE(row.key);
    const Adjustment at_zero = Analyse(kExample, WithMethod(row.method)).adjustment->value();
    const Result<ClosureAnalysis> a = AnalyseClosure(kExample, moved, WithMethod(row.method));
    ASSERT_TRUE(a.ok() && a->adjustment->ok());
    const Adjustment& adj = a->adjustment->value();
    EXPECT_EQ(at_zero.area, adj.area);
    EXPECT_NEAR(at_zero.corners[0].east + 5000.5, adj.corners[0].east, 1e-9);
    EXPECT_NEAR(5000.5, adj.corners.back().east, 1e-9);
    EXPECT_NEAR(-20000, adj.corners.back().north, 1e-9);
  }
}

}  // namespace
}  // namespace tw
