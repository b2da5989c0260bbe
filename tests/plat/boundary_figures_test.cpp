// Every reader of the list as a boundary gives the same area and closure, to
// the last bit: the walk, the running figures, the report, the closure
// analysis whose figures the plat prints, and the plat's drawing.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "closure/closure_analysis.h"
#include "doubles/entry_lists.h"
#include "geometry/running_figures.h"
#include "geometry/traverse.h"
#include "plat/boundary_drawing.h"
#include "report/boundary_report.h"

namespace tw {
namespace {

// The same boundary walked the other way: the lines in reverse order, each
// turned round, or the points in reverse order.
std::vector<std::string> WalkedBack(std::vector<std::string> entries, EntryKind kind) {
  std::reverse(entries.begin(), entries.end());
  if (kind == EntryKind::Angle) {
    for (std::string& e : entries) {
      e[0] = e[0] == 'N' ? 'S' : 'N';
      e[1] = e[1] == 'E' ? 'W' : 'E';
    }
  }
  return entries;
}

struct Walked {
  BoundaryFigures figures;
  bool counter_clockwise = false;
};

// Holds every reader to the walk's figures and gives them.
Walked ReadEveryWay(const std::vector<std::string>& entries, EntryKind kind, const char* unit) {
  EntryList list = test::ListOf(entries);
  ProgramState state;
  state.UnitAbbrev = unit;
  state.EntryMode = kind == EntryKind::Point ? "Point" : "Surveyor";
  if (kind == EntryKind::Point) {
    const PointFields first = *ReadPointEntry(list.At(0));
    state.FirstPointX = first.x;
    state.FirstPointY = first.y;
  }
  const BoundaryFigures walk = *ComputeFigures(list, state);

  RunningFigures running;
  const BoundaryFigures caught_up = *running.CatchUp(list, state);
  EXPECT_EQ(walk.area, caught_up.area);
  EXPECT_EQ(walk.closure, caught_up.closure);

  std::string report;
  const BoundaryFigures reported = AppendReportCorners(report, list.Entries(), state)->Close();
  EXPECT_EQ(walk.area, reported.area);
  EXPECT_EQ(walk.closure, reported.closure);

  const ClosureAnalysis analysis = *AnalyseClosure(list, state, ClosureOptions{});
  EXPECT_EQ(walk.area, analysis.area);
  if (kind == EntryKind::Angle) {
    EXPECT_EQ(walk.closure, analysis.figures.misclosure);
  }

  // The drawing's corners are relative to its first; its last is where the
  // closure is measured to, and a bearing list's misclosure is drawn as the
  // analysis judges it.
  const BoundaryDrawing drawing = *DrawingOf(list);
  const PlanePoint end = drawing.corners.back();
  EXPECT_EQ(walk.closure, ComputeClosure(end.east, end.north));
  if (kind == EntryKind::Angle) {
    EXPECT_EQ(HasClosingSide(analysis.figures), drawing.lines.back().closing);
  }
  return {walk, drawing.counter_clockwise};
}

TEST(BoundaryFigures, AreTheSameForEveryReaderWalkedEitherWay) {
  struct Case {
    const char* name;
    EntryKind kind;
    const char* unit;
    std::vector<std::string> entries;
  };
  const Case cases[] = {
      {"open bearings in feet", EntryKind::Angle, "LF", test::ClosureExampleEntries()},
      {"closed bearings in feet",
       EntryKind::Angle,
       "LF",
       {"NW 00°00'00'' @100LF", "NE 90°00'00'' @100LF", "SE 00°00'00'' @100LF",
        "SW 90°00'00'' @100LF"}},
      {"open bearings in metres",
       EntryKind::Angle,
       "m.",
       {"NE 31°17'43'' @125.375m.", "SE 12°05'59'' @88.1m.", "SW 77°41'02'' @140.0625m.",
        "NW 04°33'18'' @61.9m.", "NE 59°59'59'' @0.0001m."}},
      {"closed bearings in metres",
       EntryKind::Angle,
       "m.",
       {"NE 90°00'00'' @40.25m.", "NW 00°00'00'' @30.5m.", "SW 90°00'00'' @40.25m.",
        "SE 00°00'00'' @30.5m."}},
      {"open points in feet",
       EntryKind::Point,
       "LF",
       {"1520.25 , 880.5", "1610.125 , 902.75", "1633 , 1011.0625", "1548.5 , 1040.375"}},
      {"closed points in metres",
       EntryKind::Point,
       "m.",
       {"-12.5 , 7.25", "30.125 , -4.5", "41 , 22.0625", "3.75 , 35.5", "-12.5 , 7.25"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Walked forward = ReadEveryWay(c.entries, c.kind, c.unit);
    const Walked back = ReadEveryWay(WalkedBack(c.entries, c.kind), c.kind, c.unit);
    // Walked back, the same figure: its area to rounding, the other turn.
    EXPECT_NEAR(forward.figures.area, back.figures.area, 1e-9 * forward.figures.area);
    EXPECT_NE(forward.counter_clockwise, back.counter_clockwise);
  }
}

}  // namespace
}  // namespace tw
