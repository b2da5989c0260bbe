#include "entry/entry_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/cp1252.h"
#include "doubles/mode_controls.h"
#include "doubles/recording_surface.h"
#include "program/log.h"

namespace tw {
namespace {

using test::Cp1252;
using test::kDown;
using test::kFree;
using test::kLocked;
using ::testing::EndsWith;
using ::testing::StartsWith;
using Kind = CommandOutcome::Kind;
using Texts = std::vector<std::string>;

const std::string kNotAdded = "The line was not added: ";
const std::string kHuge = "1" + std::string(100, '0');

// What the boxes hold, as "A|B|C...".
std::string Boxes(const SurveyorFields& f) {
  return f.quadrant + "|" + f.degrees + "|" + f.minutes + "|" + f.seconds + "|" + f.length;
}
std::string Boxes(const CarpenterFields& f) {
  return f.direction + "|" + f.major + "|" + f.minor;
}

// The boxes as an added line leaves them: only the quadrant or the direction stays.
SurveyorFields Emptied(const SurveyorFields& f) {
  return {f.quadrant, "", "", "", ""};
}
CarpenterFields Emptied(const CarpenterFields& f) {
  return {f.direction, "", ""};
}

CommandOutcome Add(Program& p, EntryControls& controls, SurveyorFields& f) {
  return AddSurveyorLine(p, controls, f);
}
CommandOutcome Add(Program& p, EntryControls& controls, CarpenterFields& f) {
  return AddCarpenterLine(p, controls, f);
}

class EntryTest : public ::testing::Test {
 protected:
  EntryTest() { controls.modes.optSurveyor.checked = true; }

  void AddLines(std::initializer_list<SurveyorFields> lines) {
    for (SurveyorFields f : lines)
      ASSERT_EQ(Kind::Added, AddSurveyorLine(program, controls, f).kind);
  }
  void AddPoints(std::initializer_list<PointFieldTexts> points) {
    for (PointFieldTexts f : points)
      ASSERT_EQ(Kind::Added, AddPoint(program, controls, f).kind);
  }
  // Nothing reached the list, the log or the picture.
  void ExpectUntouched() {
    EXPECT_TRUE(program.entries.Empty());
    EXPECT_EQ("", log.Text());
    EXPECT_TRUE(surface.calls.empty());
    EXPECT_FALSE(controls.cmdUndo_enabled);
  }

  StringLog log;
  test::RecordingSurface surface;
  Program program{log, surface};
  EntryControls controls;
};

const SurveyorFields kEast10{"NE", "90", "", "", "10"};
const SurveyorFields kNorth10{"NW", "", "", "", "10"};
const SurveyorFields kWest10{"SW", "90", "", "", "10"};

// A line is listed, logged and drawn, and its boxes emptied.
template <typename Fields>
void ExpectAdded(const char* entry, const char* unit, Fields typed) {
  StringLog log;
  test::RecordingSurface surface;
  Program p{log, surface};
  EntryControls controls;
  p.state.UnitAbbrev = unit;
  const std::string emptied = Boxes(Emptied(typed));
  EXPECT_EQ(Kind::Added, Add(p, controls, typed).kind) << entry;
  EXPECT_EQ(Texts{Cp1252(entry)}, p.entries.Entries());
  EXPECT_THAT(log.Text(), StartsWith("\r\nAdded line: " + Cp1252(entry) + "\r\nClosure: "));
  EXPECT_EQ(emptied, Boxes(typed)) << entry;
}

TEST(AddLine, LinesArePaddedAndComposedAsTypedAndEmptyTheBoxes) {
  ExpectAdded("NE 45°30'15'' @100LF", "LF", SurveyorFields{"NE", "45", "30", "15", "100"});
  ExpectAdded("NE 07°00'00'' @05LF", "LF", SurveyorFields{"NE", "7", "", "", "5"});
  ExpectAdded("NE 00°00'00'' @12LF", "LF", SurveyorFields{"NE", "", "", "", "12"});
  ExpectAdded("SW 05°03'09'' @05m.", "m.", SurveyorFields{"SW", "5", "3", "9", "5"});
  ExpectAdded("NW 0.°00'00'' @0.LF", "LF", SurveyorFields{"NW", ".", "", "", "."});
  ExpectAdded("SE -5°1.'00'' @-12.25LF", "LF", SurveyorFields{"SE", "-5", "1.", "", "-12.25"});
  ExpectAdded("NE 90°00'00'' @ 12.5LF", "LF", CarpenterFields{"0 Degrees", "12", "6"});
  ExpectAdded("NW 00°00'00'' @ 10LF", "LF", CarpenterFields{"90 Degrees", "10", ""});
  ExpectAdded("NE 90°00'00'' @-.0834LF", "LF", CarpenterFields{"0 Degrees", "", "-1"});
  ExpectAdded("NE 90°00'00'' @00LF", "LF", CarpenterFields{"0 Degrees", "", ""});
  ExpectAdded("SW 90°00'00'' @ 3.25m.", "m.", CarpenterFields{"180 Degrees", "3", "25"});
}

// Mended fault: a line that could not be read back was added to the list.
// The boxes keep what was typed, padded, for correction.
TEST_F(EntryTest, LineThatCouldNotBeReadBackIsRefusedLeavingTheBoxes) {
  const std::string two = " must be a number of two characters.";
  const std::string nan = " is not a number.";
  struct Case {
    std::string message;
    SurveyorFields typed;
    const char* unit;
    std::string after;
  };
  const Case cases[] = {
      {"the degrees \"123\"" + two, {"NE", "123", "", "", "10"}, "LF", "NE|123|00|00|10"},
      {"the minutes \"2.5\"" + two, {"NE", "1", "2.5", "", "10"}, "LF", "NE|01|2.5|00|10"},
      {"the seconds \"1.2\"" + two, {"NE", "", "", "1.2", "10"}, "LF", "NE|00|00|1.2|10"},
      {"the degrees \"0-\"" + two, {"NE", "-", "", "", "10"}, "LF", "NE|0-|00|00|10"},
      {"the distance \"1.2.3\"" + nan, {"NE", "", "", "", "1.2.3"}, "LF", "NE|00|00|00|1.2.3"},
      {"the distance \"--\"" + nan, {"NE", "", "", "", "--"}, "LF", "NE|00|00|00|--"},
      {"the distance \"" + kHuge.substr(0, 80) + "...\"" + nan,
       {"NE", "", "", "", kHuge},
       "LF",
       "NE|00|00|00|" + kHuge},
      {"the unit \"LFX\" of the boundary is not two characters long.",
       {"NE", "4", "", "", "10"},
       "LFX",
       "NE|04|00|00|10"},
      {"\"\" is not a quadrant.", {"", "", "", "", "10"}, "LF", "|00|00|00|10"},
  };
  for (const Case& c : cases) {
    program.state.UnitAbbrev = c.unit;
    SurveyorFields f = c.typed;
    const CommandOutcome outcome = AddSurveyorLine(program, controls, f);
    EXPECT_EQ(Kind::Refused, outcome.kind) << c.message;
    EXPECT_EQ(kNotAdded + c.message, outcome.message);
    EXPECT_EQ(c.after, Boxes(f));
  }
  const std::string nines(400, '9');
  struct CarpenterCase {
    std::string message;
    CarpenterFields typed;
    const char* unit;
    std::string after;
  };
  const CarpenterCase carpenter_cases[] = {
      {"the unit \"lf\" has no minor unit; a Carpenter line needs \"LF\" or \"m.\".",
       {"0 Degrees", "", "6"},
       "lf",
       "0 Degrees|00|6"},
      {"the length is too large.", {"0 Degrees", kHuge, ""}, "LF", "0 Degrees|" + kHuge + "|"},
      {"the length is too large.", {"0 Degrees", "", nines}, "LF", "0 Degrees|00|" + nines},
      {"\"0 degrees\" is not one of the eight directions.",
       {"0 degrees", "5", ""},
       "LF",
       "0 degrees|5|"},
  };
  for (const CarpenterCase& c : carpenter_cases) {
    program.state.UnitAbbrev = c.unit;
    CarpenterFields f = c.typed;
    const CommandOutcome outcome = AddCarpenterLine(program, controls, f);
    EXPECT_EQ(Kind::Refused, outcome.kind) << c.message;
    EXPECT_EQ(kNotAdded + c.message, outcome.message);
    EXPECT_EQ(c.after, Boxes(f));
  }
  // A Surveyor line without distance does nothing but show the zeros; the
  // one-zero fill comes after the stop, so "3" stays "3".
  SurveyorFields no_distance{"NE", "", "3", "", ""};
  EXPECT_EQ(Kind::Ignored, AddSurveyorLine(program, controls, no_distance).kind);
  EXPECT_EQ("NE|00|3|00|", Boxes(no_distance));
  ExpectUntouched();
}

TEST_F(EntryTest, SurveyorLinesLogClosureThenAreaAndLockPointMode) {
  AddLines({kEast10});
  EXPECT_EQ(Cp1252("\r\nAdded line: NE 90°00'00'' @10LF\r\nClosure: 10.00"), log.Text());
  AddLines({kNorth10});
  EXPECT_EQ(Cp1252("\r\nAdded line: NE 90°00'00'' @10LF\r\nClosure: 10.00"
                   "\r\nAdded line: NW 00°00'00'' @10LF\r\nClosure: 14.1421356 Area: 50.00"),
            log.Text());
  // Each line is drawn onto the picture as it is; nothing is redrawn.
  EXPECT_EQ(Texts({"Width 2", "LineTo 10 0", "Width 2", "LineTo 10 10"}), surface.calls);
  EXPECT_EQ(1u, program.entries.Selected());
  EXPECT_TRUE(controls.cmdUndo_enabled);
  EXPECT_EQ((ModeControls{kDown, kFree, kLocked, kFree, kFree, kLocked, kDown, kLocked}),
            controls.modes);
}

TEST_F(EntryTest, PointsAddedOneByOneRedrawAndLogTheAreaFromTheThird) {
  controls.modes.optSurveyor.checked = false;
  controls.modes.optPoint.checked = true;
  controls.modes.mnuSetMetric.enabled = false;  // AddPoint leaves the unit menus alone
  PointFieldTexts first{"0", "0"};
  ASSERT_EQ(Kind::Added, AddPoint(program, controls, first).kind);
  EXPECT_EQ("|", first.x + "|" + first.y);
  EXPECT_FALSE(controls.modes.optSurveyor.enabled);
  EXPECT_FALSE(controls.modes.mnuSetMetric.enabled);
  AddPoints({{"10", "0"}});
  EXPECT_EQ("\r\nClosure: 00.00\r\nClosure: 00.00\r\nClosure: 10.00", log.Text());
  const size_t before = log.Text().size();
  AddPoints({{"10", "10"}});
  EXPECT_EQ("\r\nClosure: 00.00\r\nClosure: 10.00\r\nClosure: 14.1421356 Area: 50.00",
            log.Text().substr(before));
  EXPECT_EQ(Texts({"0 , 0", "10 , 0", "10 , 10"}), program.entries.Entries());
  EXPECT_EQ(2u, program.entries.Selected());
  EXPECT_EQ(std::string::npos, log.Text().find("Added line"));
}

// Mended fault: a point whose X or Y does not convert was added.
TEST_F(EntryTest, PointThatIsIncompleteOrNoNumberIsNotAdded) {
  struct Case {
    std::string message;
    Kind kind;
    PointFieldTexts fields;
  };
  const std::string no = "The point was not added: the ";
  const Case cases[] = {
      {"", Kind::Ignored, {"10", ""}},
      {"", Kind::Ignored, {"", "20"}},
      {no + "X \"1.2.3\" is not a number.", Kind::Refused, {"1.2.3", "20"}},
      {no + "Y \"--\" is not a number.", Kind::Refused, {"10", "--"}},
      {no + "Y \".\" is not a number.", Kind::Refused, {"5", "."}},
  };
  for (const Case& c : cases) {
    PointFieldTexts fields = c.fields;
    const CommandOutcome outcome = AddPoint(program, controls, fields);
    EXPECT_EQ(c.kind, outcome.kind) << c.message;
    EXPECT_EQ(c.message, outcome.message);
    EXPECT_EQ(Texts({c.fields.x, c.fields.y}), Texts({fields.x, fields.y}));
  }
  ExpectUntouched();
}

// The new entry is listed; the older entry that spoils the area or the
// redraw is named.
TEST_F(EntryTest, AnAddSucceedsWhileAnOlderEntryIsUnreadable) {
  const std::string bad = Cp1252("NE 90°00'00'' @1.2.3LF");
  program.entries.Append(bad);
  SurveyorFields line = kEast10;
  const CommandOutcome added_line = AddSurveyorLine(program, controls, line);
  EXPECT_EQ(Kind::Added, added_line.kind);
  EXPECT_EQ("Entry 1 cannot be read (the distance \"1.2.3\" is not a number): " + bad,
            added_line.message);
  EXPECT_EQ(2u, program.entries.Count());
  EXPECT_TRUE(controls.cmdUndo_enabled);

  program.entries.Replace({"x , 2", "3 , 4"});
  PointFieldTexts point{"5", "6"};
  const CommandOutcome added_point = AddPoint(program, controls, point);
  EXPECT_EQ(Kind::Added, added_point.kind);
  EXPECT_EQ("Entry 1 cannot be read (the X \"x\" is not a number): x , 2", added_point.message);
  EXPECT_EQ(3u, program.entries.Count());
}

// Mended fault: a list opened from a file whose mode does not match its
// entries took entries of the other kind.
TEST_F(EntryTest, LinesAndPointsAreNeverMixedInOneList) {
  program.entries.Append("1 , 2");
  SurveyorFields line{"NE", "", "", "", "5"};
  CarpenterFields carpenter_line{"0 Degrees", "", "6"};
  EXPECT_EQ(kNotAdded + "the boundary is made of points, not lines.",
            AddSurveyorLine(program, controls, line).message);
  EXPECT_EQ(kNotAdded + "the boundary is made of points, not lines.",
            AddCarpenterLine(program, controls, carpenter_line).message);
  EXPECT_EQ(Texts{"1 , 2"}, program.entries.Entries());

  program.entries.Replace({Cp1252("NE 90°00'00'' @10LF")});
  PointFieldTexts point{"3", "4"};
  EXPECT_EQ("The point was not added: the boundary is made of lines, not points.",
            AddPoint(program, controls, point).message);
  EXPECT_EQ(1u, program.entries.Count());
  EXPECT_EQ("", log.Text());
}

// Carpenter and Surveyor lines mix in one boundary.
TEST_F(EntryTest, UndoOfThreeLinesRedrawsTwoAndKeepsUndoEnabled) {
  CarpenterFields east{"0 Degrees", "10", ""};
  CarpenterFields west{"180 Degrees", "10", ""};
  ASSERT_EQ(Kind::Added, AddCarpenterLine(program, controls, east).kind);
  AddLines({kNorth10});
  ASSERT_EQ(Kind::Added, AddCarpenterLine(program, controls, west).kind);
  EXPECT_THAT(log.Text(), EndsWith("\r\nClosure: 10.00 Area: 100.00"));
  const size_t before = log.Text().size();
  surface.calls.clear();
  UndoLastEntry(program, controls);
  EXPECT_EQ(2u, program.entries.Count());
  EXPECT_EQ("\r\nClosure: 10.00\r\nClosure: 14.1421356\r\nLine Removed", log.Text().substr(before));
  EXPECT_EQ(Texts({"Clear", "Scale -300 300 300 -300", "Width 1", "Line -300 0 300 0 c8",
                   "Line 0 300 0 -300 c8", "Point 0 0 c1", "Width 2", "Width 2", "LineTo 10 0",
                   "Width 2", "LineTo 10 10"}),
            surface.calls);
  EXPECT_TRUE(controls.cmdUndo_enabled);
  EXPECT_FALSE(controls.modes.optPoint.enabled);
  // The traverse continues from the corner the remaining lines reach.
  AddLines({kWest10});
  EXPECT_THAT(log.Text(), EndsWith("\r\nClosure: 10.00 Area: 100.00"));
}

TEST_F(EntryTest, UndoOfTheOnlyLineFreesModesAndUnitsThenDoesNothing) {
  AddLines({kEast10});
  UndoLastEntry(program, controls);
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_FALSE(controls.cmdUndo_enabled);
  EXPECT_TRUE(controls.modes.optPoint.enabled);
  EXPECT_TRUE(controls.modes.mnuSetMetric.enabled);
  EXPECT_THAT(log.Text(), EndsWith("10.00\r\nLine Removed"));
  const std::string logged = log.Text();
  surface.calls.clear();
  UndoLastEntry(program, controls);
  EXPECT_EQ(logged, log.Text());
  EXPECT_TRUE(surface.calls.empty());
}

// The extents stay; the view goes back to the start corner.
TEST_F(EntryTest, ClearEmptiesTheListKeepsLogAndZoomAndLogsCleared) {
  ClearBoundary(program, controls);
  EXPECT_EQ("\r\nCleared", log.Text());  // even with nothing to clear
  AddPoints({{"100", "200"}, {"130", "200"}});
  program.state.PlotExtentX = 200;
  program.state.PlotExtentY = 200;
  program.state.PlotCentreX = 5;
  program.state.PlotCentreY = -7;
  const std::string before = log.Text();
  surface.calls.clear();
  ClearBoundary(program, controls);
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_FALSE(controls.cmdUndo_enabled);
  EXPECT_EQ(0, program.state.FirstPointX);
  EXPECT_EQ(0, program.state.FirstPointY);
  EXPECT_EQ(before + "\r\nCleared", log.Text());
  EXPECT_EQ(Texts({"Clear", "Scale -200 200 200 -200", "Width 1", "Line -200 0 200 0 c8",
                   "Line 0 200 0 -200 c8", "Point 0 0 c1", "Width 2"}),
            surface.calls);
  EXPECT_TRUE(controls.modes.optSurveyor.enabled);
}

}  // namespace
}  // namespace tw
