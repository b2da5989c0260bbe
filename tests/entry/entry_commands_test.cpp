#include "entry/entry_commands.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/cp1252.h"
#include "doubles/recording_surface.h"

namespace tw {
namespace {

using test::Cp1252;
using ::testing::EndsWith;
using ::testing::StartsWith;
using Kind = CommandOutcome::Kind;
using Texts = std::vector<std::string>;

const std::string kNotAdded = "The line was not added: ";
const std::string kHuge = "1" + std::string(100, '0');

// The boxes' texts as "A|B|C..." and back.
std::vector<std::string> Split(const std::string& boxes) {
  std::vector<std::string> parts(1);
  for (char ch : boxes) {
    if (ch == '|')
      parts.emplace_back();
    else
      parts.back().push_back(ch);
  }
  return parts;
}
// Adds a line typed into the Surveyor ('S') or Carpenter ('C') boxes, and
// gives the boxes' texts afterwards as "A|B|C...".
CommandOutcome AddTyped(Program& p, EntryControls& controls, char mode, const std::string& typed,
                        std::string& after) {
  const std::vector<std::string> t = Split(typed);
  if (mode == 'S') {
    SurveyorFields f{t[0], t[1], t[2], t[3], t[4]};
    const CommandOutcome outcome = AddSurveyorLine(p, controls, f);
    after = f.quadrant + "|" + f.degrees + "|" + f.minutes + "|" + f.seconds + "|" + f.length;
    return outcome;
  }
  CarpenterFields f{t[0], t[1], t[2]};
  const CommandOutcome outcome = AddCarpenterLine(p, controls, f);
  after = f.direction + "|" + f.major + "|" + f.minor;
  return outcome;
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

TEST_F(EntryTest, LinesArePaddedAndComposedAsTypedAndEmptyTheBoxes) {
  struct Case {
    const char* entry;
    char mode;
    const char* typed;
    const char* unit;
  };
  const Case cases[] = {
      {"NE 45°30'15'' @100LF", 'S', "NE|45|30|15|100", "LF"},
      {"NE 07°00'00'' @05LF", 'S', "NE|7|||5", "LF"},
      {"NE 00°00'00'' @12LF", 'S', "NE||||12", "LF"},
      {"SW 05°03'09'' @05m.", 'S', "SW|5|3|9|5", "m."},
      {"NW 0.°00'00'' @0.LF", 'S', "NW|.|||.", "LF"},
      {"SE -5°1.'00'' @-12.25LF", 'S', "SE|-5|1.||-12.25", "LF"},
      {"NE 90°00'00'' @ 12.5LF", 'C', "0 Degrees|12|6", "LF"},
      {"NW 00°00'00'' @ 10LF", 'C', "90 Degrees|10|", "LF"},
      {"NE 90°00'00'' @-.0834LF", 'C', "0 Degrees||-1", "LF"},
      {"NE 90°00'00'' @00LF", 'C', "0 Degrees||", "LF"},
      {"SW 90°00'00'' @ 3.25m.", 'C', "180 Degrees|3|25", "m."},
  };
  for (const Case& c : cases) {
    StringLog case_log;
    Program p{case_log, surface};
    p.state.UnitAbbrev = c.unit;
    std::string after;
    EXPECT_EQ(Kind::Added, AddTyped(p, controls, c.mode, c.typed, after).kind) << c.entry;
    EXPECT_EQ(Texts{Cp1252(c.entry)}, p.entries.Entries());
    EXPECT_THAT(case_log.Text(),
                StartsWith("\r\nAdded line: " + Cp1252(c.entry) + "\r\nClosure: "));
    const std::string first = Split(c.typed)[0];
    EXPECT_EQ(c.mode == 'S' ? first + "||||" : first + "||", after);
  }
}

// Mended fault: a line that could not be read back was added to the list.
// The boxes keep what was typed, padded, for correction.
TEST_F(EntryTest, LineThatCouldNotBeReadBackIsRefusedLeavingTheBoxes) {
  const std::string two = " must be a number of two characters.";
  const std::string nan = " is not a number.";
  const std::string no_minor = " has no minor unit; a Carpenter line needs \"LF\" or \"m.\".";
  const std::string nines(400, '9');
  struct Case {
    std::string message;
    char mode;
    std::string typed;
    const char* unit;
    std::string after;
  };
  const Case cases[] = {
      {"the degrees \"123\"" + two, 'S', "NE|123|||10", "LF", "NE|123|00|00|10"},
      {"the minutes \"2.5\"" + two, 'S', "NE|1|2.5||10", "LF", "NE|01|2.5|00|10"},
      {"the seconds \"1.2\"" + two, 'S', "NE|||1.2|10", "LF", "NE|00|00|1.2|10"},
      {"the degrees \"0-\"" + two, 'S', "NE|-|||10", "LF", "NE|0-|00|00|10"},
      {"the distance \"1.2.3\"" + nan, 'S', "NE||||1.2.3", "LF", "NE|00|00|00|1.2.3"},
      {"the distance \"--\"" + nan, 'S', "NE||||--", "LF", "NE|00|00|00|--"},
      {"the distance \"" + kHuge.substr(0, 80) + "...\"" + nan, 'S', "NE||||" + kHuge, "LF",
       "NE|00|00|00|" + kHuge},
      {"the unit \"LFX\" of the boundary is not two characters long.", 'S', "NE|4|||10", "LFX",
       "NE|04|00|00|10"},
      {"\"\" is not a quadrant.", 'S', "||||10", "LF", "|00|00|00|10"},
      {"the unit \"lf\"" + no_minor, 'C', "0 Degrees||6", "lf", "0 Degrees|00|6"},
      {"the length is too large.", 'C', "0 Degrees|" + kHuge + "|", "LF",
       "0 Degrees|" + kHuge + "|"},
      {"the length is too large.", 'C', "0 Degrees||" + nines, "LF", "0 Degrees|00|" + nines},
      {"\"0 degrees\" is not one of the eight directions.", 'C', "0 degrees|5|", "LF",
       "0 degrees|5|"},
  };
  for (const Case& c : cases) {
    program.state.UnitAbbrev = c.unit;
    std::string after;
    const CommandOutcome outcome = AddTyped(program, controls, c.mode, c.typed, after);
    EXPECT_EQ(Kind::Refused, outcome.kind) << c.message;
    EXPECT_EQ(kNotAdded + c.message, outcome.message);
    EXPECT_EQ(c.after, after);
  }
  // A Surveyor line without distance does nothing but show the zeros; the
  // one-zero fill comes after the stop, so "3" stays "3".
  std::string after;
  EXPECT_EQ(Kind::Ignored, AddTyped(program, controls, 'S', "NE||3||", after).kind);
  EXPECT_EQ("NE|00|3|00|", after);
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
  EXPECT_FALSE(controls.modes.optPoint.enabled);
  EXPECT_FALSE(controls.modes.mnuSetPoint.enabled);
  EXPECT_TRUE(controls.modes.optCarpenter.enabled);
  EXPECT_TRUE(controls.modes.mnuSetImperial.checked);
  EXPECT_FALSE(controls.modes.mnuSetMetric.enabled);
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

// Mended fault: a list opened from a file whose mode does not match its
// entries took entries of the other kind.
TEST_F(EntryTest, LinesAndPointsAreNeverMixedInOneList) {
  program.entries.Append("1 , 2");
  std::string after;
  for (const char* typed : {"S NE||||5", "C 0 Degrees||6"}) {
    EXPECT_EQ(kNotAdded + "the boundary is made of points, not lines.",
              AddTyped(program, controls, typed[0], typed + 2, after).message);
  }
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
  std::string after;
  ASSERT_EQ(Kind::Added, AddTyped(program, controls, 'C', "0 Degrees|10|", after).kind);
  AddLines({kNorth10});
  ASSERT_EQ(Kind::Added, AddTyped(program, controls, 'C', "180 Degrees|10|", after).kind);
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

TEST_F(EntryTest, ClearEmptiesTheListKeepsLogAndZoomAndLogsCleared) {
  ClearBoundary(program, controls);
  EXPECT_EQ("\r\nCleared", log.Text());  // even with nothing to clear
  AddPoints({{"100", "200"}, {"130", "200"}});
  program.state.PlotExtentX = 200;
  program.state.PlotExtentY = 200;
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
