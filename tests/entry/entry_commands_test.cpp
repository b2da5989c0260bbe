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
SurveyorFields Surveyor(const std::string& boxes) {
  const auto p = Split(boxes);
  return {p[0], p[1], p[2], p[3], p[4]};
}
CarpenterFields Carpenter(const std::string& boxes) {
  const auto p = Split(boxes);
  return {p[0], p[1], p[2]};
}
std::string Boxes(const SurveyorFields& f) {
  return f.quadrant + "|" + f.degrees + "|" + f.minutes + "|" + f.seconds + "|" + f.length;
}
std::string Boxes(const CarpenterFields& f) {
  return f.direction + "|" + f.major + "|" + f.minor;
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

TEST_F(EntryTest, SurveyorFieldsArePaddedAndComposedAsTyped) {
  struct Case {
    const char* entry;
    const char* typed;
    const char* unit;
  };
  const Case cases[] = {
      {"NE 45°30'15'' @100LF", "NE|45|30|15|100", "LF"},
      {"NE 07°00'00'' @05LF", "NE|7|||5", "LF"},
      {"NE 00°00'00'' @12LF", "NE||||12", "LF"},
      {"SW 05°03'09'' @05m.", "SW|5|3|9|5", "m."},
      {"NW 0.°00'00'' @0.LF", "NW|.|||.", "LF"},
      {"SE -5°1.'00'' @-12.25LF", "SE|-5|1.||-12.25", "LF"},
  };
  for (const Case& c : cases) {
    StringLog case_log;
    Program p{case_log, surface};
    p.state.UnitAbbrev = c.unit;
    SurveyorFields fields = Surveyor(c.typed);
    EXPECT_EQ(Kind::Added, AddSurveyorLine(p, controls, fields).kind) << c.entry;
    EXPECT_EQ(Texts{Cp1252(c.entry)}, p.entries.Entries());
    EXPECT_THAT(case_log.Text(),
                StartsWith("\r\nAdded line: " + Cp1252(c.entry) + "\r\nClosure: "));
    EXPECT_EQ(fields.quadrant + "||||", Boxes(fields));
  }
}

// Mended fault: a line that could not be read back was added to the list.
TEST_F(EntryTest, SurveyorLineThatCouldNotBeReadBackIsRefusedLeavingTheBoxes) {
  const std::string two = " must be a number of two characters.";
  const std::string nan = " is not a number.";
  struct Case {
    std::string message;
    std::string typed;
    const char* unit;
    std::string after;
  };
  const Case cases[] = {
      {"the degrees \"123\"" + two, "NE|123|||10", "LF", "NE|123|00|00|10"},
      {"the minutes \"2.5\"" + two, "NE|1|2.5||10", "LF", "NE|01|2.5|00|10"},
      {"the seconds \"1.2\"" + two, "NE|||1.2|10", "LF", "NE|00|00|1.2|10"},
      {"the degrees \"0-\"" + two, "NE|-|||10", "LF", "NE|0-|00|00|10"},
      {"the distance \"1.2.3\"" + nan, "NE||||1.2.3", "LF", "NE|00|00|00|1.2.3"},
      {"the distance \"--\"" + nan, "NE||||--", "LF", "NE|00|00|00|--"},
      {"the distance \"" + kHuge + "\"" + nan, "NE||||" + kHuge, "LF", "NE|00|00|00|" + kHuge},
      {"the unit \"LFX\" of the boundary is not two characters long.", "NE|4|||10", "LFX",
       "NE|04|00|00|10"},
      {"\"\" is not a quadrant.", "||||10", "LF", "|00|00|00|10"},
  };
  for (const Case& c : cases) {
    program.state.UnitAbbrev = c.unit;
    SurveyorFields fields = Surveyor(c.typed);
    const CommandOutcome outcome = AddSurveyorLine(program, controls, fields);
    EXPECT_EQ(Kind::Refused, outcome.kind) << c.message;
    EXPECT_EQ(kNotAdded + c.message, outcome.message);
    EXPECT_EQ(c.after, Boxes(fields));
  }
  ExpectUntouched();
}

TEST_F(EntryTest, SurveyorLineWithoutDistanceDoesNothingButShowTheZeros) {
  SurveyorFields fields{"NE", "", "3", "", ""};
  const CommandOutcome outcome = AddSurveyorLine(program, controls, fields);
  EXPECT_EQ(Kind::Ignored, outcome.kind);
  EXPECT_EQ("", outcome.message);
  // The one-zero fill comes after the stop: "3" stays "3".
  EXPECT_EQ("NE|00|3|00|", Boxes(fields));
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

TEST_F(EntryTest, CarpenterLinesComposeTheirPresetAndLength) {
  struct Case {
    const char* entry;
    const char* typed;
    const char* unit;
    const char* line;  // the drawing call
  };
  const Case cases[] = {
      {"NE 90°00'00'' @ 12.5LF", "0 Degrees|12|6", "LF", "LineTo 12.5 0"},
      {"NW 00°00'00'' @ 10LF", "90 Degrees|10|", "LF", "LineTo 0 10"},
      {"NE 90°00'00'' @-.0834LF", "0 Degrees||-1", "LF", "LineTo -0.0834 0"},
      {"NE 90°00'00'' @00LF", "0 Degrees||", "LF", "LineTo 0 0"},
      {"SW 90°00'00'' @ 3.25m.", "180 Degrees|3|25", "m.", "LineTo -3.25 0"},
      {"SE 00°00'00'' @ 2.25LF", "270 Degrees|1|15", "LF", "LineTo 0 -2.25"},
  };
  for (const Case& c : cases) {
    StringLog case_log;
    test::RecordingSurface case_surface;
    Program p{case_log, case_surface};
    p.state.UnitAbbrev = c.unit;
    CarpenterFields fields = Carpenter(c.typed);
    EXPECT_EQ(Kind::Added, AddCarpenterLine(p, controls, fields).kind) << c.entry;
    EXPECT_EQ(Texts{Cp1252(c.entry)}, p.entries.Entries());
    EXPECT_THAT(case_log.Text(),
                StartsWith("\r\nAdded line: " + Cp1252(c.entry) + "\r\nClosure: "));
    EXPECT_EQ(Texts({"Width 2", c.line}), case_surface.calls);
    EXPECT_EQ(fields.direction + "||", Boxes(fields));
  }
}

// Mended fault: an odd unit or an overflowing length made an unreadable entry.
TEST_F(EntryTest, CarpenterLineThatCouldNotBeReadBackIsRefused) {
  const std::string no_minor = " has no minor unit; a Carpenter line needs \"LF\" or \"m.\".";
  const std::string nines(400, '9');
  struct Case {
    std::string message;
    std::string typed;
    const char* unit;
    std::string after;
  };
  const Case cases[] = {
      {"the unit \"lf\"" + no_minor, "0 Degrees||6", "lf", "0 Degrees|00|6"},
      {"the unit \"LFX\"" + no_minor, "0 Degrees|1|", "LFX", "0 Degrees|1|"},
      {"the length is too large.", "0 Degrees|" + kHuge + "|", "LF", "0 Degrees|" + kHuge + "|"},
      {"the length is too large.", "0 Degrees||" + nines, "LF", "0 Degrees|00|" + nines},
      {"\"0 degrees\" is not one of the eight directions.", "0 degrees|5|", "LF", "0 degrees|5|"},
  };
  for (const Case& c : cases) {
    program.state.UnitAbbrev = c.unit;
    CarpenterFields fields = Carpenter(c.typed);
    const CommandOutcome outcome = AddCarpenterLine(program, controls, fields);
    EXPECT_EQ(Kind::Refused, outcome.kind) << c.message;
    EXPECT_EQ(kNotAdded + c.message, outcome.message);
    EXPECT_EQ(c.after, Boxes(fields));
  }
  ExpectUntouched();
}

TEST_F(EntryTest, CarpenterAndSurveyorLinesMixInOneBoundary) {
  controls.modes.optSurveyor.checked = false;
  controls.modes.optCarpenter.checked = true;
  CarpenterFields east{"0 Degrees", "10", ""};
  ASSERT_EQ(Kind::Added, AddCarpenterLine(program, controls, east).kind);
  AddLines({kNorth10});
  CarpenterFields west{"180 Degrees", "10", ""};
  ASSERT_EQ(Kind::Added, AddCarpenterLine(program, controls, west).kind);
  EXPECT_THAT(log.Text(), EndsWith("\r\nClosure: 10.00 Area: 100.00"));
  EXPECT_FALSE(controls.modes.optPoint.enabled);
  EXPECT_TRUE(controls.modes.optSurveyor.enabled);
}

TEST_F(EntryTest, PointsAddedOneByOneRedrawAndLogTheAreaFromTheThird) {
  AddPoints({{"0", "0"}, {"10", "0"}});
  EXPECT_EQ("\r\nClosure: 00.00\r\nClosure: 00.00\r\nClosure: 10.00", log.Text());
  const size_t before = log.Text().size();
  AddPoints({{"10", "10"}});
  EXPECT_EQ("\r\nClosure: 00.00\r\nClosure: 10.00\r\nClosure: 14.1421356 Area: 50.00",
            log.Text().substr(before));
  EXPECT_EQ(Texts({"0 , 0", "10 , 0", "10 , 10"}), program.entries.Entries());
  EXPECT_EQ(2u, program.entries.Selected());
}

TEST_F(EntryTest, PointEntryIsTheTextsAsTypedAndEmptiesTheBoxes) {
  controls.modes.optSurveyor.checked = false;
  controls.modes.optPoint.checked = true;
  controls.modes.mnuSetMetric.enabled = false;  // AddPoint leaves the unit menus alone
  PointFieldTexts fields{"1200.5", "-300"};
  ASSERT_EQ(Kind::Added, AddPoint(program, controls, fields).kind);
  EXPECT_EQ(Texts{"1200.5 , -300"}, program.entries.Entries());
  EXPECT_EQ(Texts({"", ""}), Texts({fields.x, fields.y}));
  EXPECT_EQ(1200.5, program.state.FirstPointX);
  EXPECT_FALSE(controls.modes.optSurveyor.enabled);
  EXPECT_FALSE(controls.modes.mnuSetMetric.enabled);
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
  SurveyorFields line{"NE", "", "", "", "5"};
  EXPECT_EQ(kNotAdded + "the boundary is made of points, not lines.",
            AddSurveyorLine(program, controls, line).message);
  CarpenterFields wall{"0 Degrees", "", "6"};
  EXPECT_EQ(kNotAdded + "the boundary is made of points, not lines.",
            AddCarpenterLine(program, controls, wall).message);
  EXPECT_EQ(Texts{"1 , 2"}, program.entries.Entries());

  program.entries.Replace({Cp1252("NE 90°00'00'' @10LF")});
  PointFieldTexts point{"3", "4"};
  EXPECT_EQ("The point was not added: the boundary is made of lines, not points.",
            AddPoint(program, controls, point).message);
  EXPECT_EQ(1u, program.entries.Count());
  EXPECT_EQ("", log.Text());
}

TEST_F(EntryTest, UndoOfThreeLinesRedrawsTwoAndKeepsUndoEnabled) {
  AddLines({kEast10, kNorth10, kWest10});
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
