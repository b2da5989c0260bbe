#include "program/plot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/cp1252.h"
#include "doubles/recording_surface.h"
#include "program/log.h"

namespace tw {
namespace {

using test::Cp1252;
using Calls = std::vector<std::string>;

const Calls kResetAt300 = {"Clear",
                           "Scale -300 300 300 -300",
                           "Width 1",
                           "Line -300 0 300 0 c8",
                           "Line 0 300 0 -300 c8",
                           "Point 0 0 c1",
                           "Width 2"};

Calls Concat(Calls a, const Calls& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// A program of its own for each table row.
struct Listed {
  explicit Listed(const std::vector<const char*>& entries) {
    for (const char* e : entries)
      program.entries.Append(Cp1252(e));
  }
  StringLog log;
  test::RecordingSurface surface;
  Program program{log, surface};
};

class PlotTest : public ::testing::Test {
 protected:
  StringLog log;
  test::RecordingSurface surface;
  Program program{log, surface};
};

// The axes and the origin stay on the start corner when the view is
// centred elsewhere.
TEST_F(PlotTest, ResetDrawingDrawsAxesAndOriginAtTheExtentsAndRewindsTheTraverse) {
  program.state.PlotExtentX = 450;
  program.state.PlotExtentY = 200;
  program.state.PlotCentreX = 50;
  program.state.PlotCentreY = -20;
  program.state.LastCornerX = 7;
  program.state.LastCornerY = -3;
  ResetDrawing(program);
  EXPECT_EQ((Calls{"Clear", "Scale -400 180 500 -220", "Width 1", "Line -400 0 500 0 c8",
                   "Line 0 180 0 -220 c8", "Point 0 0 c1", "Width 2"}),
            surface.calls);
  EXPECT_EQ(0, program.state.LastCornerX);
  EXPECT_EQ(0, program.state.LastCornerY);
  EXPECT_EQ("", log.Text());
}

// Bearing lines chain from the origin; points are drawn from the first point
// with a mark each and, from the third on, a closing line. A redraw for a
// moved view draws the same and logs and selects nothing.
TEST_F(PlotTest, RedrawDrawsAndLogsEveryEntry) {
  struct Case {
    Calls drawn;  // after the reset
    const char* log;
    std::vector<const char*> entries;
    double first_x;
  };
  const Case cases[] = {
      {{}, "", {}, 0},
      {{"Width 2", "LineTo 10 0", "Width 2", "LineTo 10 10", "Width 2", "LineTo 0 10"},
       "\r\nClosure: 10.00\r\nClosure: 14.1421356\r\nClosure: 10.00",
       {"NE 90°00'00'' @10LF", "NW 00°00'00'' @10LF", "SW 90°00'00'' @10LF"},
       0},
      {{"Width 2", "LineTo 0 0 c0", "Width 6", "Point 0 0 c2", "Width 2", "LineTo 30 0 c0",
        "Width 6", "Point 30 0 c2", "Width 2", "LineTo 30 40 c0", "Width 1", "Line 0 0 30 40 c4",
        "Width 6", "Point 30 40 c2"},
       "\r\nClosure: 00.00\r\nClosure: 30.00\r\nClosure: 50.00",
       {"100 , 200", "130 , 200", "130 , 240"},
       100},
      {{"Width 2", "LineTo 0 0 c0", "Width 6", "Point 0 0 c2", "Width 2", "LineTo 20 0 c0",
        "Width 6", "Point 20 0 c2"},
       "\r\nClosure: 00.00\r\nClosure: 20.00",
       {"-15 , 20", "5 , 20"},
       -15},
  };
  for (const Case& c : cases) {
    Listed l(c.entries);
    ASSERT_TRUE(RedrawBoundary(l.program));
    EXPECT_EQ(Concat(kResetAt300, c.drawn), l.surface.calls);
    EXPECT_EQ(c.log, l.log.Text());
    EXPECT_EQ(c.first_x, l.program.state.FirstPointX);
    if (!c.entries.empty()) {
      EXPECT_EQ(c.entries.size() - 1, l.program.entries.Selected());
    }
    Listed view(c.entries);
    ASSERT_TRUE(RedrawView(view.program));
    EXPECT_EQ(l.surface.calls, view.surface.calls);
    EXPECT_EQ("", view.log.Text());
    EXPECT_EQ(std::nullopt, view.program.entries.Selected());
    EXPECT_EQ(c.first_x, view.program.state.FirstPointX);
  }
}

TEST_F(PlotTest, DrawBearingLineContinuesFromTheLastCorner) {
  ResetDrawing(program);
  surface.calls.clear();
  ASSERT_TRUE(DrawBearingLine(program, "NE", 90, 0, 0, "10"));
  ASSERT_TRUE(DrawBearingLine(program, "NW", 0, 0, 0, " 10"));
  EXPECT_EQ((Calls{"Width 2", "LineTo 10 0", "Width 2", "LineTo 10 10"}), surface.calls);
  EXPECT_EQ("\r\nClosure: 10.00\r\nClosure: 14.1421356", log.Text());
  EXPECT_NEAR(10, program.state.LastCornerX, 1e-12);
  EXPECT_NEAR(10, program.state.LastCornerY, 1e-12);
  // A distance that is no number draws, logs and moves nothing.
  const ProgramState before = program.state;
  EXPECT_FALSE(DrawBearingLine(program, "NE", 90, 0, 0, "1.2.3"));
  EXPECT_EQ(4u, surface.calls.size());
  EXPECT_EQ(before.LastCornerX, program.state.LastCornerX);
  EXPECT_EQ("\r\nClosure: 10.00\r\nClosure: 14.1421356", log.Text());
}

TEST_F(PlotTest, RedrawStopsAtAnUnreadableEntryKeepingWhatWasDrawn) {
  struct Case {
    std::vector<const char*> entries;
    const char* message;
    const char* log;
  };
  const Case cases[] = {
      {{"NE 90°00'00'' @10LF", "NE 90°00'00'' @1.2.3LF", "NE 90°00'00'' @10LF"},
       "Entry 2 cannot be read (the distance \"1.2.3\" is not a number): NE 90\xB0"
       "00'00'' @1.2.3LF",
       "\r\nClosure: 10.00"},
      {{"1 , 2", "3 ; 4"},
       "Entry 2 cannot be read (the point entry has no \" , \"): 3 ; 4",
       "\r\nClosure: 00.00"},
      {{"x , 2", "3 , 4"}, "Entry 1 cannot be read (the X \"x\" is not a number): x , 2", ""},
  };
  for (const Case& c : cases) {
    Listed l(c.entries);
    const Status drawn = RedrawBoundary(l.program);
    ASSERT_FALSE(drawn) << c.message;
    EXPECT_EQ(c.message, drawn.error());
    EXPECT_EQ(c.log, l.log.Text());
  }
}

// Zooming keeps the view's centre; Re-Draw puts it back on the start corner.
TEST_F(PlotTest, ZoomInTwiceOutOnceThenReDrawRestoresExactly300) {
  program.entries.Append(Cp1252("NE 90°00'00'' @10LF"));
  program.state.PlotCentreX = 40;
  program.state.PlotCentreY = 10;
  ASSERT_TRUE(ZoomIn(program));
  EXPECT_EQ(200, program.state.PlotExtentX);
  ASSERT_TRUE(ZoomIn(program));
  EXPECT_EQ(300 / 1.5 / 1.5, program.state.PlotExtentX);
  EXPECT_EQ(300 / 1.5 / 1.5, program.state.PlotExtentY);
  // The second redraw's scale call follows the first redraw's reset and line.
  EXPECT_EQ("Scale -93.3333333 143.333333 173.333333 -123.333333",
            surface.calls[kResetAt300.size() + 2 + 1]);
  ASSERT_TRUE(ZoomOut(program));
  EXPECT_DOUBLE_EQ(200, program.state.PlotExtentX);
  ASSERT_TRUE(ResetZoom(program));
  EXPECT_EQ(300, program.state.PlotExtentX);
  EXPECT_EQ(300, program.state.PlotExtentY);
  EXPECT_EQ(kResetAt300,
            Calls(surface.calls.end() - 2 - kResetAt300.size(), surface.calls.end() - 2));
  // Each step redraws the list.
  EXPECT_EQ(
      "\r\nClosure: 10.00\r\nZoom In x.5\r\nClosure: 10.00\r\nZoom In x.5"
      "\r\nClosure: 10.00\r\nZoom Out x.5\r\nClosure: 10.00\r\nRe-Draw",
      log.Text());
}

}  // namespace
}  // namespace tw
