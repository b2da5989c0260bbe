// The plat's layout, recorded call by call: the round scale it chooses, the
// true shape it draws at that scale, the closing side, and the pages.
#include <gtest/gtest.h>

#include <cmath>
#include <regex>

#include "boundary/entry_list.h"
#include "doubles/entry_lists.h"
#include "plat/plat_layout.h"
#include "plat/plat_scale.h"

namespace tw {
namespace {

struct Call {
  enum Kind { Line, Dashed, Text, NewPage } kind;
  PagePoint a, b;
  double width = 0;
  std::string text;
};

class PageRecorder : public Page {
 public:
  void Line(PagePoint a, PagePoint b, double w) override {
    calls.push_back({Call::Line, a, b, w, ""});
  }
  void DashedLine(PagePoint a, PagePoint b, double w) override {
    calls.push_back({Call::Dashed, a, b, w, ""});
  }
  void Text(PagePoint at, double, double, TextAlign, std::string_view text) override {
    calls.push_back({Call::Text, at, at, 0, std::string(text)});
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
      {"m.", 120, 1, 100, 100, 2000},   {"ft", 120, 1, 100, 100, 2000},  // any other unit: a ratio
  };
  for (const Case& c : cases) {
    const PlatScale s = ChooseScale(c.unit, c.width, c.height, c.area_width, c.area_height);
    EXPECT_EQ(s.value, c.scale) << c.unit << ' ' << c.width << 'x' << c.height;
    EXPECT_EQ(s.feet_per_inch, std::string(c.unit) == "LF");
  }
  EXPECT_EQ(ScaleText({true, 50}), "Scale 1\" = 50'");
  EXPECT_EQ(ScaleText({false, 500}), "Scale 1:500");
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
  EXPECT_TRUE(page.HasText("0.4210"));
  EXPECT_TRUE(page.HasText("Area: 4158.3347 sq ft (0.0955 acres)"));
  EXPECT_TRUE(page.HasText("Precision: 1:635"));
  EXPECT_TRUE(page.HasText("Standard: 1:10000 not met"));
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
  bool closing_labelled = false;  // 200–1, its length
  for (const Call& c : page.calls)
    closing_labelled |= c.kind == Call::Text && c.text.rfind(
                                                    "200\x96"
                                                    "1 3.14",
                                                    0) == 0;
  EXPECT_TRUE(closing_labelled);
  EXPECT_TRUE(page.HasText("Corners (continued)") || page.HasText("Lines (continued)"));
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
