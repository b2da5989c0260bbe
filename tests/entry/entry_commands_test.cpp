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
using ::testing::StartsWith;
using Kind = CommandOutcome::Kind;
using Texts = std::vector<std::string>;

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

  StringLog log;
  test::RecordingSurface surface;
  Program program{log, surface};
  EntryControls controls;
};

const SurveyorFields kEast10{"NE", "90", "", "", "10"};
const SurveyorFields kNorth10{"NW", "", "", "", "10"};
const SurveyorFields kWest10{"SW", "90", "", "", "10"};

// --- Surveyor ---------------------------------------------------------------

TEST_F(EntryTest, SurveyorFieldsArePaddedAndComposedAsTyped) {
  struct Case {
    SurveyorFields fields;
    const char* unit;
    const char* entry;
  };
  const Case cases[] = {
      {{"NE", "45", "30", "15", "100"}, "LF", "NE 45°30'15'' @100LF"},
      {{"NE", "7", "", "", "5"}, "LF", "NE 07°00'00'' @05LF"},
      {{"NE", "", "", "", "12"}, "LF", "NE 00°00'00'' @12LF"},
      {{"SW", "5", "3", "9", "5"}, "m.", "SW 05°03'09'' @05m."},
      {{"NW", ".", "", "", "."}, "LF", "NW 0.°00'00'' @0.LF"},
      {{"SE", "-5", "1.", "", "-12.25"}, "LF", "SE -5°1.'00'' @-12.25LF"},
  };
  for (const Case& c : cases) {
    StringLog case_log;
    Program p{case_log, surface};
    p.state.UnitAbbrev = c.unit;
    SurveyorFields fields = c.fields;
    const CommandOutcome outcome = AddSurveyorLine(p, controls, fields);
    EXPECT_EQ(Kind::Added, outcome.kind) << c.entry;
    EXPECT_EQ("", outcome.message) << c.entry;
    EXPECT_EQ(Texts{Cp1252(c.entry)}, p.entries.Entries());
    EXPECT_THAT(case_log.Text(),
                StartsWith("\r\nAdded line: " + Cp1252(c.entry) + "\r\nClosure: "));
    EXPECT_EQ(c.fields.quadrant, fields.quadrant);
    EXPECT_EQ(Texts({"", "", "", ""}),
              Texts({fields.degrees, fields.minutes, fields.seconds, fields.length}));
  }
}

TEST_F(EntryTest, SurveyorLineThatCouldNotBeReadBackIsRefusedLeavingTheBoxes) {
  struct Case {
    SurveyorFields fields;
    const char* unit;
    std::string message;
    SurveyorFields after;
  };
  const Case cases[] = {
      {{"NE", "123", "", "", "10"},
       "LF",
       "The line was not added: the degrees \"123\" must be a number of two characters.",
       {"NE", "123", "00", "00", "10"}},
      {{"NE", "1", "2.5", "", "10"},
       "LF",
       "The line was not added: the minutes \"2.5\" must be a number of two characters.",
       {"NE", "01", "2.5", "00", "10"}},
      {{"NE", "", "", "1.2", "10"},
       "LF",
       "The line was not added: the seconds \"1.2\" must be a number of two characters.",
       {"NE", "00", "00", "1.2", "10"}},
      {{"NE", "-", "", "", "10"},
       "LF",
       "The line was not added: the degrees \"0-\" must be a number of two characters.",
       {"NE", "0-", "00", "00", "10"}},
      {{"NE", "", "..", "", "10"},
       "LF",
       "The line was not added: the minutes \"..\" must be a number of two characters.",
       {"NE", "00", "..", "00", "10"}},
      {{"NE", "", "", "", "1.2.3"},
       "LF",
       "The line was not added: the distance \"1.2.3\" is not a number.",
       {"NE", "00", "00", "00", "1.2.3"}},
      {{"NE", "", "", "", "--"},
       "LF",
       "The line was not added: the distance \"--\" is not a number.",
       {"NE", "00", "00", "00", "--"}},
      {{"NE", "", "", "", "-"},
       "LF",
       "The line was not added: the distance \"0-\" is not a number.",
       {"NE", "00", "00", "00", "0-"}},
      {{"NE", "", "", "", "1" + std::string(100, '0')},
       "LF",
       "The line was not added: the distance \"1" + std::string(100, '0') + "\" is not a number.",
       {"NE", "00", "00", "00", "1" + std::string(100, '0')}},
      {{"NE", "4", "", "", "10"},
       "LFX",
       "The line was not added: the unit \"LFX\" of the boundary is not two characters long.",
       {"NE", "04", "00", "00", "10"}},
      {{"NE", "", "", "", "10"},
       "",
       "The line was not added: the unit \"\" of the boundary is not two characters long.",
       {"NE", "00", "00", "00", "10"}},
      {{"", "", "", "", "10"},
       "LF",
       "The line was not added: \"\" is not a quadrant.",
       {"", "00", "00", "00", "10"}},
  };
  for (const Case& c : cases) {
    program.state.UnitAbbrev = c.unit;
    SurveyorFields fields = c.fields;
    const CommandOutcome outcome = AddSurveyorLine(program, controls, fields);
    EXPECT_EQ(Kind::Refused, outcome.kind) << c.message;
    EXPECT_EQ(c.message, outcome.message);
    const SurveyorFields& a = c.after;
    EXPECT_EQ(
        Texts({a.quadrant, a.degrees, a.minutes, a.seconds, a.length}),
        Texts({fields.quadrant, fields.degrees, fields.minutes, fields.seconds, fields.length}));
  }
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_EQ("", log.Text());
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_FALSE(controls.cmdUndo_enabled);
}

TEST_F(EntryTest, SurveyorLineWithoutDistanceDoesNothingButShowTheZeros) {
  SurveyorFields fields{"NE", "", "3", "", ""};
  const CommandOutcome outcome = AddSurveyorLine(program, controls, fields);
  EXPECT_EQ(Kind::Ignored, outcome.kind);
  EXPECT_EQ("", outcome.message);
  // The one-zero fill comes after the stop: "3" stays "3".
  EXPECT_EQ(Texts({"00", "3", "00", ""}),
            Texts({fields.degrees, fields.minutes, fields.seconds, fields.length}));
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_EQ("", log.Text());
}

TEST_F(EntryTest, SurveyorLinesLogTheirClosureAndFromTheSecondOnTheArea) {
  AddLines({kEast10});
  EXPECT_EQ(Cp1252("\r\nAdded line: NE 90°00'00'' @10LF\r\nClosure: 10.00"), log.Text());
  AddLines({kNorth10});
  EXPECT_EQ(Cp1252("\r\nAdded line: NE 90°00'00'' @10LF\r\nClosure: 10.00"
                   "\r\nAdded line: NW 00°00'00'' @10LF\r\nClosure: 14.1421356 Area: 50.00"),
            log.Text());
  // Each line is drawn onto the picture as it is; nothing is redrawn.
  EXPECT_EQ(Texts({"Width 2", "LineTo 10 0", "Width 2", "LineTo 10 10"}), surface.calls);
  EXPECT_EQ(1u, program.entries.Selected());
}

TEST_F(EntryTest, SurveyorLineEnablesUndoAndLocksPointModeAndTheOtherUnit) {
  AddLines({kEast10});
  EXPECT_TRUE(controls.cmdUndo_enabled);
  EXPECT_FALSE(controls.modes.optPoint.enabled);
  EXPECT_FALSE(controls.modes.mnuSetPoint.enabled);
  EXPECT_TRUE(controls.modes.optCarpenter.enabled);
  EXPECT_TRUE(controls.modes.mnuSetImperial.checked);
  EXPECT_TRUE(controls.modes.mnuSetImperial.enabled);
  EXPECT_FALSE(controls.modes.mnuSetMetric.enabled);
}

// --- Carpenter --------------------------------------------------------------

TEST_F(EntryTest, CarpenterLinesComposeTheirPresetAndLength) {
  struct Case {
    CarpenterFields fields;
    const char* unit;
    const char* entry;
    const char* line;  // the drawing call
  };
  const Case cases[] = {
      {{"0 Degrees", "12", "6"}, "LF", "NE 90°00'00'' @ 12.5LF", "LineTo 12.5 0"},
      {{"90 Degrees", "10", ""}, "LF", "NW 00°00'00'' @ 10LF", "LineTo 0 10"},
      {{"0 Degrees", "", "1"}, "LF", "NE 90°00'00'' @ .0833LF", "LineTo 0.0833 0"},
      {{"0 Degrees", "", "-1"}, "LF", "NE 90°00'00'' @-.0834LF", "LineTo -0.0834 0"},
      {{"0 Degrees", "", ""}, "LF", "NE 90°00'00'' @00LF", "LineTo 0 0"},
      {{"0 Degrees", "", "6"}, "LF", "NE 90°00'00'' @ .5LF", "LineTo 0.5 0"},
      {{"180 Degrees", "3", "25"}, "m.", "SW 90°00'00'' @ 3.25m.", "LineTo -3.25 0"},
      {{"0 Degrees", "2", "5"}, "m.", "NE 90°00'00'' @ 2.05m.", "LineTo 2.05 0"},
      {{"270 Degrees", "1", "15"}, "LF", "SE 00°00'00'' @ 2.25LF", "LineTo 0 -2.25"},
  };
  for (const Case& c : cases) {
    StringLog case_log;
    test::RecordingSurface case_surface;
    Program p{case_log, case_surface};
    p.state.UnitAbbrev = c.unit;
    CarpenterFields fields = c.fields;
    EXPECT_EQ(Kind::Added, AddCarpenterLine(p, controls, fields).kind) << c.entry;
    EXPECT_EQ(Texts{Cp1252(c.entry)}, p.entries.Entries());
    EXPECT_THAT(case_log.Text(),
                StartsWith("\r\nAdded line: " + Cp1252(c.entry) + "\r\nClosure: "));
    EXPECT_EQ(Texts({"Width 2", c.line}), case_surface.calls);
    EXPECT_EQ(Texts({c.fields.direction, "", ""}),
              Texts({fields.direction, fields.major, fields.minor}));
  }
}

TEST_F(EntryTest, CarpenterLineThatCouldNotBeReadBackIsRefused) {
  const std::string huge = "1" + std::string(100, '0');
  struct Case {
    CarpenterFields fields;
    const char* unit;
    std::string message;
    CarpenterFields after;
  };
  const Case cases[] = {
      {{"0 Degrees", "", "6"},
       "lf",
       "The line was not added: the unit \"lf\" has no minor unit; a Carpenter line needs \"LF\" "
       "or \"m.\".",
       {"0 Degrees", "00", "6"}},
      {{"0 Degrees", "1", ""},
       "LFX",
       "The line was not added: the unit \"LFX\" has no minor unit; a Carpenter line needs \"LF\" "
       "or \"m.\".",
       {"0 Degrees", "1", ""}},
      {{"0 Degrees", huge, ""},
       "LF",
       "The line was not added: the length is too large.",
       {"0 Degrees", huge, ""}},
      {{"0 Degrees", "", std::string(400, '9')},
       "LF",
       "The line was not added: the length is too large.",
       {"0 Degrees", "00", std::string(400, '9')}},
      {{"0 degrees", "5", ""},
       "LF",
       "The line was not added: \"0 degrees\" is not one of the eight directions.",
       {"0 degrees", "5", ""}},
      {{"", "5", ""},
       "m.",
       "The line was not added: \"\" is not one of the eight directions.",
       {"", "5", ""}},
  };
  for (const Case& c : cases) {
    program.state.UnitAbbrev = c.unit;
    CarpenterFields fields = c.fields;
    const CommandOutcome outcome = AddCarpenterLine(program, controls, fields);
    EXPECT_EQ(Kind::Refused, outcome.kind) << c.message;
    EXPECT_EQ(c.message, outcome.message);
    EXPECT_EQ(Texts({c.after.direction, c.after.major, c.after.minor}),
              Texts({fields.direction, fields.major, fields.minor}));
  }
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_EQ("", log.Text());
  EXPECT_FALSE(controls.cmdUndo_enabled);
}

TEST_F(EntryTest, CarpenterAndSurveyorLinesMixInOneBoundary) {
  controls.modes.optSurveyor.checked = false;
  controls.modes.optCarpenter.checked = true;
  CarpenterFields east{"0 Degrees", "10", ""};
  ASSERT_EQ(Kind::Added, AddCarpenterLine(program, controls, east).kind);
  AddLines({kNorth10});
  CarpenterFields west{"180 Degrees", "10", ""};
  ASSERT_EQ(Kind::Added, AddCarpenterLine(program, controls, west).kind);
  EXPECT_THAT(log.Text(), ::testing::EndsWith("\r\nClosure: 10.00 Area: 100.00"));
  EXPECT_FALSE(controls.modes.optPoint.enabled);
  EXPECT_TRUE(controls.modes.optSurveyor.enabled);
}

// --- Point ------------------------------------------------------------------

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
  EXPECT_TRUE(controls.cmdUndo_enabled);
  EXPECT_FALSE(controls.modes.optSurveyor.enabled);
  EXPECT_FALSE(controls.modes.mnuSetCarpenter.enabled);
  EXPECT_FALSE(controls.modes.mnuSetMetric.enabled);
  EXPECT_EQ(std::string::npos, log.Text().find("Added line"));
}

TEST_F(EntryTest, PointThatIsIncompleteOrNoNumberIsNotAdded) {
  struct Case {
    PointFieldTexts fields;
    Kind kind;
    const char* message;
  };
  const Case cases[] = {
      {{"10", ""}, Kind::Ignored, ""},
      {{"", "20"}, Kind::Ignored, ""},
      {{"1.2.3", "20"}, Kind::Refused, "The point was not added: the X \"1.2.3\" is not a number."},
      {{"10", "--"}, Kind::Refused, "The point was not added: the Y \"--\" is not a number."},
      {{"-", "5"}, Kind::Refused, "The point was not added: the X \"-\" is not a number."},
      {{"5", "."}, Kind::Refused, "The point was not added: the Y \".\" is not a number."},
  };
  for (const Case& c : cases) {
    PointFieldTexts fields = c.fields;
    const CommandOutcome outcome = AddPoint(program, controls, fields);
    EXPECT_EQ(c.kind, outcome.kind) << c.message;
    EXPECT_EQ(c.message, outcome.message);
    EXPECT_EQ(Texts({c.fields.x, c.fields.y}), Texts({fields.x, fields.y}));
  }
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_EQ("", log.Text());
  EXPECT_TRUE(surface.calls.empty());
}

// A list opened from a file whose mode does not match its entries.
TEST_F(EntryTest, LinesAndPointsAreNeverMixedInOneList) {
  program.entries.Append("1 , 2");
  SurveyorFields line{"NE", "", "", "", "5"};
  EXPECT_EQ("The line was not added: the boundary is made of points, not lines.",
            AddSurveyorLine(program, controls, line).message);
  EXPECT_EQ(Texts({"00", "05"}), Texts({line.degrees, line.length}));
  CarpenterFields wall{"0 Degrees", "", "6"};
  EXPECT_EQ("The line was not added: the boundary is made of points, not lines.",
            AddCarpenterLine(program, controls, wall).message);
  EXPECT_EQ(Texts{"1 , 2"}, program.entries.Entries());

  program.entries.Replace({Cp1252("NE 90°00'00'' @10LF")});
  PointFieldTexts point{"3", "4"};
  const CommandOutcome outcome = AddPoint(program, controls, point);
  EXPECT_EQ(Kind::Refused, outcome.kind);
  EXPECT_EQ("The point was not added: the boundary is made of lines, not points.", outcome.message);
  EXPECT_EQ(1u, program.entries.Count());
  EXPECT_EQ("", log.Text());
}

// --- Undo and Clear ---------------------------------------------------------

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
  EXPECT_THAT(log.Text(), ::testing::EndsWith("\r\nClosure: 10.00 Area: 100.00"));
}

TEST_F(EntryTest, UndoOfTheOnlyLineFreesModesAndUnitsAndDisablesUndo) {
  AddLines({kEast10});
  UndoLastEntry(program, controls);
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_FALSE(controls.cmdUndo_enabled);
  EXPECT_TRUE(controls.modes.optPoint.enabled);
  EXPECT_TRUE(controls.modes.mnuSetPoint.enabled);
  EXPECT_TRUE(controls.modes.mnuSetMetric.enabled);
  EXPECT_THAT(log.Text(), ::testing::EndsWith("10.00\r\nLine Removed"));
}

TEST_F(EntryTest, UndoOnAnEmptyListDoesNothing) {
  UndoLastEntry(program, controls);
  EXPECT_EQ("", log.Text());
  EXPECT_TRUE(surface.calls.empty());
}

TEST_F(EntryTest, ClearEmptiesTheListKeepsLogAndZoomAndLogsCleared) {
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
  EXPECT_TRUE(controls.modes.optPoint.enabled);
  EXPECT_TRUE(controls.modes.optSurveyor.enabled);
}

TEST_F(EntryTest, ClearOfAnEmptyListStillLogsCleared) {
  ClearBoundary(program, controls);
  EXPECT_EQ("\r\nCleared", log.Text());
}

}  // namespace
}  // namespace tw
