// The plat's layout, recorded call by call: the round scale it chooses, the
// true shape it draws at that scale, the closing side, and the pages.
#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <regex>

#include "boundary/entry_list.h"
#include "doubles/entry_lists.h"
#include "geometry/corner_walk.h"
#include "plat/boundary_drawing.h"
#include "plat/plat_layout.h"
#include "plat/plat_scale.h"

namespace tw {
namespace {

struct Call {
  enum Kind { Line, Dashed, Text, NewPage } kind;
  PagePoint a, b;
  double width = 0;
  std::string text;
  TextAlign align = TextAlign::Left;
  double size = 0;
};

class PageRecorder : public Page {
 public:
  void Line(PagePoint a, PagePoint b, double w) override {
    calls.push_back({Call::Line, a, b, w, ""});
  }
  void DashedLine(PagePoint a, PagePoint b, double w) override {
    calls.push_back({Call::Dashed, a, b, w, ""});
  }
  void Text(PagePoint at, double size, double, TextAlign align, std::string_view text) override {
    calls.push_back({Call::Text, at, at, 0, std::string(text), align, size});
  }
  double TextWidth(double size_pt, std::string_view text) override {
    return text.size() * size_pt * 0.6 * 25.4 / 72;  // about DejaVu Sans's digits
  }
  void NewPage() override { calls.push_back({Call::NewPage, {}, {}, 0, ""}); }

  std::vector<Call> calls;
  bool HasText(const std::string& text) const {
    for (const Call& c : calls)
      if (c.kind == Call::Text && c.text == text)
        return true;
    return false;
  }
};

ProgramState InUnit(const std::string& unit) {
  ProgramState s;
  s.UnitAbbrev = unit;
  return s;
}

PageRecorder LaidOut(const EntryList& list, const ProgramState& state, PageSize size = kLetter) {
  PageRecorder page;
  const Status laid = LayOutPlat(list, state, PlatHeading{}, size, page);
  EXPECT_TRUE(laid) << (laid ? "" : laid.error());
  return page;
}

TEST(PlatScale, IsTheSmallestRoundScaleThatFits) {
  constexpr double kNone = 0;
  struct Case {
    const char* unit;
    double width, height, area_width, area_height, scale;
  } cases[] = {
      {"LF", 100, 10, 100, 100, 50},     // 25.4 ft per inch needed
      {"LF", 78.74, 10, 100, 100, 20},   // 19.99996: just fits at 20
      {"LF", 10, 78.75, 100, 100, 50},   // the height decides: 20.0025
      {"LF", 0.1, 0.1, 100, 100, 1},     // never finer than 1
      {"m.", 50, 50, 100, 200, 500},     // exactly 1:500
      {"m.", 50.1, 50, 100, 200, 1000},  // a hair more
      {"m.", 120, 1, 100, 100, 2000},
      {"ft", 120, 1, 100, 100, 2000},   // any other unit: a ratio
      {"m.", 5e14, 1, 100, 100, 5e15},  // the largest of the series, exactly
      {"m.", 5.0001e14, 1, 100, 100, kNone},
      // Fault: above about 9e18 the scale overflowed a 64-bit integer.
      {"LF", 1e19, 1e19, 150, 200, kNone},
      {"LF", 3e100, 1, 150, 200, kNone},
      {"m.", INFINITY, 1, 100, 100, kNone},
      {"m.", NAN, 1, 100, 100, kNone},
  };
  for (const Case& c : cases) {
    const std::optional<PlatScale> s =
        ChooseScale(c.unit, c.width, c.height, c.area_width, c.area_height);
    EXPECT_EQ(s ? s->value : kNone, c.scale) << c.unit << ' ' << c.width << 'x' << c.height;
    if (s) {
      EXPECT_EQ(s->feet_per_inch, std::string(c.unit) == "LF");
    }
  }
}

TEST(PlatScale, IsWrittenAsPlainWholeNumbers) {
  struct Case {
    PlatScale scale;
    const char* text;
    double bar_units;
    const char* bar_half;
  } cases[] = {
      {{true, 50}, "Scale 1\" = 50'", 100, "50"},  // 100 ft = 2 in
      {{false, 500}, "Scale 1:500", 20, "10"},     // 20 m = 40 mm
      {{false, 1}, "Scale 1:1", 0.05, "0.025"},
      {{false, 2e5}, "Scale 1:200000", 1e4, "5000"},
      {{true, 5e15}, "Scale 1\" = 5000000000000000'", 1e16, "5000000000000000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ScaleText(c.scale), c.text);
    const ScaleBarLength bar = BarLengthOf(c.scale, 30);
    EXPECT_EQ(bar.units, c.bar_units) << c.text;
    EXPECT_GE(bar.mm, 30) << c.text;
    EXPECT_LT(bar.mm, 75) << c.text;
    EXPECT_EQ(BarNumberText(bar.units / 2), c.bar_half);
  }
  EXPECT_EQ(BarNumberText(1e5), "100000");
  EXPECT_EQ(NoScaleText("LF"),
            "Not drawn: the boundary is too large for any scale up to 1\" = 5000000000000000'");
}

// Boundaries far past any survey stay on the page: the closing side is dashed
// exactly when the figures print a misclosure other than 0.0000, a boundary
// too large for every scale says so, and long figures wrap within the margins.
TEST(PlatLayout, KeepsHugeBoundariesHonestAndOnThePage) {
  struct Case {
    std::vector<std::string> entries;
    int dashed;
    bool drawn;
  } cases[] = {
      {test::ClosureExampleEntries(), 1, true},
      // Misses its start by 0.0005 in a perimeter of 1,000,000: exact.
      {{"NE 00°00'00'' @500000.0005LF", "SW 00°00'00'' @500000LF"}, 0, true},
      // Misses by 0.00003 in a perimeter of 2: 1:66666, yet prints 0.0000.
      {{"NE 00°00'00'' @1.00003LF", "SW 00°00'00'' @1LF"}, 0, true},
      {{"NE 45°00'00'' @1e15LF", "SE 45°00'00'' @1e15LF", "SW 45°00'00'' @1e15LF",
        "NW 45°00'00'' @1e15LF"},
       0,
       true},
      // Fault: 1e20 printed the scale as -9223372036854775808 and ran off.
      {{"NE 45°00'00'' @1e20LF", "SE 45°00'00'' @1e20LF", "SW 45°00'00'' @1e20LF",
        "NW 45°00'00'' @1e20LF"},
       0,
       false},
      {{"NE 45°00'00'' @9e99LF", "SE 45°00'00'' @9e99LF", "SW 44°00'00'' @9e99LF"}, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries[0]);
    const EntryList list = test::ListOf(c.entries);
    PageRecorder page = LaidOut(list, InUnit("LF"));
    int dashed = 0;
    bool zero_misclosure = false, drawn = false, not_drawn = false;
    for (const Call& call : page.calls) {
      if (call.kind == Call::NewPage)
        break;  // the tables' columns are not wrapped
      dashed += call.kind == Call::Dashed;
      if (call.kind != Call::Text)
        continue;
      zero_misclosure |= call.text.rfind("Misclosure: 0.0000", 0) == 0;
      drawn |= call.text.rfind("Scale 1\" = ", 0) == 0;
      not_drawn |= call.text.rfind("Not drawn: ", 0) == 0;
      EXPECT_EQ(call.text.find("e+"), std::string::npos) << call.text;
      const double width = page.TextWidth(10, call.text);
      const double left = call.a.x - (call.align == TextAlign::Left     ? 0
                                      : call.align == TextAlign::Centre ? width / 2
                                                                        : width);
      EXPECT_GE(left, 0) << call.text;
      EXPECT_LE(left + width, kLetter.width) << call.text;
    }
    EXPECT_EQ(dashed, c.dashed);
    const BoundaryDrawing drawing = *DrawingOf(list);
    EXPECT_EQ(drawing.lines.back().closing, !zero_misclosure);
    EXPECT_EQ(drawn, c.drawn);
    EXPECT_NE(drawn, not_drawn);
  }
}

// Every boundary line is drawn at the scale the plat states, and the
// misclosure is the one dashed line, labelled with its length.
TEST(PlatLayout, DrawsTheBoundaryToItsStatedScale) {
  const PageRecorder page = LaidOut(test::ListOf(test::ClosureExampleEntries()), InUnit("LF"));
  double feet_per_inch = 0;
  const std::regex scale_text("Scale 1\" = (\\d+)'");
  for (const Call& c : page.calls) {
    std::smatch m;
    if (c.kind == Call::Text && std::regex_match(c.text, m, scale_text))
      feet_per_inch = std::stod(m[1]);
  }
  ASSERT_GT(feet_per_inch, 0);
  const double distances[] = {80.40, 46.30, 72.80, 68.00};
  size_t line = 0;
  int dashed = 0;
  for (const Call& c : page.calls) {
    const double mm = std::hypot(c.b.x - c.a.x, c.b.y - c.a.y);
    if (c.kind == Call::Dashed) {
      ++dashed;
      EXPECT_NEAR(mm / 25.4 * feet_per_inch, 0.4210, 1e-4);
    }
    if (c.kind == Call::Line && c.width > 0.45 && line < 4) {
      EXPECT_NEAR(mm / 25.4 * feet_per_inch, distances[line++], 1e-9);
    }
    EXPECT_GE(std::min({c.a.x, c.b.x, c.a.y, c.b.y}), 0);
    EXPECT_LE(std::max(c.a.x, c.b.x), kLetter.width);
    EXPECT_LE(std::max(c.a.y, c.b.y), kLetter.height);
  }
  EXPECT_EQ(line, 4u);
  EXPECT_EQ(dashed, 1);
  EXPECT_TRUE(page.HasText("Area: 4158.3347 sq ft (0.0955 acres)"));
  EXPECT_TRUE(page.HasText("Precision: 1:635"));
  EXPECT_TRUE(page.HasText("Standard: 1:10,000 not met"));
}

// Fault to guard: a scale taken from the corners alone let an arc that
// bulges ten times past its chord run off the page.
TEST(PlatLayout, FitsItsScaleToTheArcsAndNamesThem) {
  const PageRecorder page =
      LaidOut(test::ListOf({"NE 90°00'00'' @100LF",
                            "Curve left R 500LF chord 100LF major CB NW 90°00'00''"}),
              InUnit("LF"));
  int boundary_lines = 0, names = 0;
  for (const Call& c : page.calls) {
    boundary_lines += c.kind == Call::Line && c.width > 0.45;
    names += c.kind == Call::Text && c.text == "C1";
    if (c.kind == Call::Line) {
      EXPECT_GE(std::min(c.a.x, c.b.x), 15);
      EXPECT_LE(std::max(c.a.x, c.b.x), kLetter.width - 15);
    }
  }
  EXPECT_GT(boundary_lines, 20);  // the arc, in chords within a twentieth of a mm
  EXPECT_EQ(names, 2);            // on the drawing and in the curve table
  EXPECT_TRUE(page.HasText("Curves"));
}

// A point list of 200 corners: its tables run over several pages, each
// numbered "Page i of n", none below the bottom margin; a closed figure has
// no dashed side.
TEST(PlatLayout, ContinuesTheTablesOverNumberedPages) {
  std::vector<std::string> points;
  for (int i = 0; i < 200; ++i) {
    const double a = i * 2 * M_PI / 200;
    points.push_back(std::to_string(100 * std::cos(a)) + " , " + std::to_string(100 * std::sin(a)));
  }
  const PageRecorder page = LaidOut(test::ListOf(points), InUnit("m."), kA4);
  size_t pages = 1;
  for (const Call& c : page.calls)
    pages += c.kind == Call::NewPage;
  ASSERT_GT(pages, 3u);
  size_t numbered = 0;
  for (const Call& c : page.calls) {
    EXPECT_NE(c.kind, Call::Dashed);
    EXPECT_LE(c.a.y, kA4.height - 5);
    if (c.kind == Call::Text && c.text.rfind("Page ", 0) == 0) {
      EXPECT_EQ(c.text, "Page " + std::to_string(++numbered) + " of " + std::to_string(pages));
    }
  }
  EXPECT_EQ(numbered, pages);
  EXPECT_TRUE(page.HasText("Corners (continued)") || page.HasText("Lines (continued)"));
}

std::vector<std::string> Circle(int corners, double radius) {
  std::vector<std::string> points;
  for (int i = 0; i < corners; ++i) {
    const double a = i * 2 * M_PI / corners;
    points.push_back(std::to_string(radius * std::cos(a)) + " , " +
                     std::to_string(radius * std::sin(a)));
  }
  return points;
}

// Page 1 keeps a label only where its line is as long as it on paper, and a
// corner number only where it touches no other; it says when any is left
// out. Boxes are estimated as the recorder measures text.
TEST(PlatLayout, LeavesOutLabelsTooCrowdedToRead) {
  const std::string note =
      "Labels of short lines and crowded corner numbers are left out: see the tables.";
  struct Case {
    std::vector<std::string> entries;
    const char* unit;
    size_t line_labels, least_numbers, most_numbers;
    bool note;
  } cases[] = {
      // The 0.4210 closing side is half a millimetre on paper: no label, and
      // no corner 5 over corner 1.
      {test::ClosureExampleEntries(), "LF", 4, 4, 4, true},
      {{"0 , 0", "100 , 0", "100 , 100", "0 , 100"}, "m.", 4, 4, 4, false},
      // Sides of 2.4 mm: no line label, and not every number.
      {Circle(200, 100), "m.", 0, 40, 199, true},
      {Circle(5000, 100), "m.", 0, 40, 600, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries.size());
    PageRecorder page = LaidOut(test::ListOf(c.entries), InUnit(c.unit));
    size_t labels = 0;
    std::vector<Call> numbers;
    // The drawing's texts come before the scale's, in 7 points.
    for (const Call& call : page.calls) {
      if (call.kind == Call::Text && call.text.rfind("Scale ", 0) == 0)
        break;
      if (call.kind != Call::Text || call.size != 7 || call.text == note)
        continue;
      if (call.text.find_first_not_of("0123456789") == std::string::npos)
        numbers.push_back(call);
      else
        ++labels;
    }
    EXPECT_EQ(labels, c.line_labels);
    EXPECT_GE(numbers.size(), c.least_numbers);
    EXPECT_LE(numbers.size(), c.most_numbers);
    EXPECT_EQ(page.HasText(note), c.note);
    for (size_t i = 0; i < numbers.size(); ++i)
      for (size_t j = i + 1; j < numbers.size(); ++j) {
        const double apart =
            page.TextWidth(7, numbers[i].text) / 2 + page.TextWidth(7, numbers[j].text) / 2;
        EXPECT_FALSE(std::abs(numbers[i].a.x - numbers[j].a.x) < apart &&
                     std::abs(numbers[i].a.y - numbers[j].a.y) < 2.5)
            << numbers[i].text << " and " << numbers[j].text << " overlap";
      }
  }
}

// Each unit system's row gives the title block's words, the paper and the
// kind of scale; a unit of no row keeps its own text on Letter, by ratio.
TEST(PlatLayout, SaysItsUnitsOnItsPaper) {
  struct Case {
    const char* unit;
    const char* words;
    PageSize paper;
    bool feet_per_inch;
  } cases[] = {
      {"LF", "Units: US Imperial (feet)", kLetter, true},
      {"m.", "Units: SI Metric (metres)", kA4, false},
      {"ft", "Units: ft", kLetter, false},
  };
  const EntryList list =
      test::ListOf({"NE 45\xB0"
                    "00'00'' @100LF",
                    "SE 45\xB0"
                    "00'00'' @100LF"});
  for (const Case& c : cases) {
    const PageSize paper = PlatPaperOf(c.unit);
    EXPECT_EQ(paper.width, c.paper.width) << c.unit;
    EXPECT_EQ(paper.height, c.paper.height) << c.unit;
    EXPECT_TRUE(LaidOut(list, InUnit(c.unit), paper).HasText(c.words)) << c.unit;
    EXPECT_EQ(ChooseScale(c.unit, 10, 10, 100, 100)->feet_per_inch, c.feet_per_inch) << c.unit;
  }
}

// The drawing's corners are the walk's, bit for bit, and the page shows them
// north up and east right: every side on paper is the side on the ground,
// east to the right and north up (paper's y runs down), at one scale.
TEST(PlatLayout, DrawsTheCornersOfTheWalkNorthUpAndEastRight) {
  struct Case {
    EntryKind kind;
    std::vector<std::string> entries;
  };
  const Case cases[] = {
      {EntryKind::Angle,
       {"NE 80\xB0"
        "00'00'' @90LF",
        "NW 20\xB0"
        "00'00'' @40LF",
        "SW 60\xB0"
        "00'00'' @30LF"}},
      {EntryKind::Point, {"500 , 200", "620 , 210", "560 , 290"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entries.front());
    const EntryList list = test::ListOf(c.entries);
    std::vector<PlanePoint> walked;
    ASSERT_FALSE(WalkEntries(list.Entries(), c.kind, PlanePoint{},
                             [&](const CornerStep& s) { walked.push_back(s.corner); }));
    const BoundaryDrawing d = *DrawingOf(list);
    // A bearing list's drawing starts at (0, 0); a point list's is drawn
    // from its first point.
    const bool bearings = c.kind == EntryKind::Angle;
    ASSERT_EQ(d.corners.size(), walked.size() + (bearings ? 1 : 0));
    for (size_t i = 0; i < walked.size(); ++i) {
      const PlanePoint drawn = d.corners[bearings ? i + 1 : i];
      EXPECT_EQ(drawn.east, walked[i].east - d.origin.east);
      EXPECT_EQ(drawn.north, walked[i].north - d.origin.north);
    }
    std::vector<Call> sides;
    for (const Call& call : LaidOut(list, InUnit("LF")).calls) {
      if (call.kind == Call::Line && call.width == 0.5)
        sides.push_back(call);
    }
    // A bearing list's misclosure is dashed.
    ASSERT_EQ(sides.size(), d.lines.size() - (bearings && d.lines.back().closing ? 1 : 0));
    const double mm_per_unit =
        (sides[0].b.x - sides[0].a.x) / (d.lines[0].to.east - d.lines[0].from.east);
    ASSERT_GT(mm_per_unit, 0);
    for (size_t i = 0; i < sides.size(); ++i) {
      const BoundaryLine& l = d.lines[i];
      EXPECT_NEAR(sides[i].b.x - sides[i].a.x, (l.to.east - l.from.east) * mm_per_unit, 1e-9);
      EXPECT_NEAR(sides[i].a.y - sides[i].b.y, (l.to.north - l.from.north) * mm_per_unit, 1e-9);
    }
  }
}

TEST(PlatLayout, RefusesAnEmptyOrUnreadableList) {
  PageRecorder page;
  EXPECT_EQ(LayOutPlat(EntryList{}, {}, {}, kLetter, page).error(), "Nothing to export");
  const Status bad = LayOutPlat(test::ListOf({"NE 76\xB0"
                                              "00'00'' @80.40LF",
                                              "NE 7x"}),
                                {}, {}, kLetter, page);
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.error().rfind("Entry 2 cannot be read", 0), 0u) << bad.error();
  EXPECT_TRUE(page.calls.empty());
}

}  // namespace
}  // namespace tw
