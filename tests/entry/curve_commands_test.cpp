#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/cp1252.h"
#include "doubles/mode_controls.h"
#include "doubles/recording_surface.h"
#include "entry/entry_commands.h"
#include "program/log.h"

namespace tw {
namespace {

using test::Cp1252;
using ::testing::Contains;
using ::testing::EndsWith;
using Kind = CommandOutcome::Kind;
using Texts = std::vector<std::string>;
using enum CurveSide;
using enum CurveSize;
using enum CurveAim;

const std::string kEast40 = Cp1252("NE 90°00'00'' @40.00LF");

// The boxes in the strip's order: side, radius, size, direction.
CurveFields Boxes(CurveSide side, std::string radius, CurveSize size, std::string length,
                  Texts delta, CurveAim aim = Tangent, Texts bearing = {"", "", "", ""},
                  bool major = false) {
  return {
      side, std::move(radius), size,       std::move(length), delta[0],  delta[1], delta[2], major,
      aim,  bearing[0],        bearing[1], bearing[2],        bearing[3]};
}

// What an add makes of the boxes after the entries `before`: the entry, or
// the refusal in words, or nothing at all.
TEST(AddCurve, BoxesMakeTheEntryOrAreRefusedInWords) {
  struct Case {
    Texts before;
    CurveFields boxes;
    Kind kind;
    std::string entry_or_reason;
  };
  const Texts none;
  const Texts no_delta{"", "", ""};
  const Case cases[] = {
      {{kEast40},
       Boxes(Right, "20.00", Delta, "", {"90", "", ""}),
       Kind::Added,
       "Curve right R 20.00LF delta 90°00'00'' tangent"},
      {none, Boxes(Left, "210.00", Arc, "105.32", no_delta, ChordBearing, {"NE", "45", "", ""}),
       Kind::Added, "Curve left R 210.00LF arc 105.32LF CB NE 45°00'00''"},
      {none,
       Boxes(Left, "50.00", Chord, "25.00", no_delta, ChordBearing, {"SE", "80", "", ""}, true),
       Kind::Added, "Curve left R 50.00LF chord 25.00LF major CB SE 80°00'00''"},
      {none,
       Boxes(Right, "5", Delta, "7", {"105", "3", "7"}, RadialBearing, {"NW", "5", "", "9"}, true),
       Kind::Added, "Curve right R 05LF delta 105°03'07'' RB NW 05°00'09''"},
      {none, Boxes(Right, "20", Delta, "", {"90", "", ""}), Kind::Refused,
       "a tangent curve needs an entry before it to follow"},
      {{"1 , 2"},
       Boxes(Right, "20", Delta, "", {"90", "", ""}),
       Kind::Refused,
       "the boundary is made of points, not lines"},
      {{kEast40},
       Boxes(Right, "20", Chord, "40.01", no_delta),
       Kind::Refused,
       "the chord is longer than twice the radius"},
      {{kEast40},
       Boxes(Right, "20", Arc, "125.67", no_delta),
       Kind::Refused,
       "the arc is not shorter than the whole circle of that radius"},
      {{kEast40},
       Boxes(Right, "0", Arc, "5", no_delta),
       Kind::Refused,
       "the radius must be more than 0"},
      {{kEast40},
       Boxes(Right, "2.0.", Arc, "5", no_delta),
       Kind::Refused,
       "the radius \"2.0.\" is not a number"},
      {{kEast40},
       Boxes(Right, "20", Delta, "", {"360", "", ""}),
       Kind::Refused,
       "the delta's degrees \"360\" must be a whole number from 0 to 359"},
      {{kEast40},
       Boxes(Right, "20", Delta, "", {"1", "5.", ""}),
       Kind::Refused,
       "the delta's minutes \"5.\" must be a whole number from 0 to 59"},
      {{kEast40},
       Boxes(Right, "20", Delta, "", {"0", "", ""}),
       Kind::Refused,
       "the delta must be more than 0"},
      {none, Boxes(Right, "20", Delta, "", {"9", "", ""}, RadialBearing, {"NE", "91", "", ""}),
       Kind::Refused, "the radial bearing's degrees \"91\" must be a whole number from 0 to 90"},
      {none, Boxes(Right, "20", Delta, "", {"9", "", ""}, ChordBearing, {"NE", "90", "", "1"}),
       Kind::Refused, "the chord bearing is more than 90 degrees from the meridian"},
      {{kEast40}, Boxes(Right, "", Delta, "", {"90", "", ""}), Kind::Ignored, ""},
      {{kEast40}, Boxes(Right, "20", Arc, "", {"90", "", ""}), Kind::Ignored, ""},
  };
  for (const Case& c : cases) {
    StringLog log;
    test::RecordingSurface surface;
    Program program{log, surface};
    EntryControls controls;
    program.entries.Replace(c.before);
    CurveFields boxes = c.boxes;
    const CommandOutcome outcome = AddSurveyorCurve(program, controls, boxes);
    EXPECT_EQ(c.kind, outcome.kind) << c.entry_or_reason;
    Texts listed = c.before;
    if (c.kind == Kind::Added) {
      listed.push_back(Cp1252(c.entry_or_reason));
      EXPECT_EQ("", outcome.message);
      EXPECT_EQ("|||||", boxes.radius + "|" + boxes.length + "|" + boxes.delta_degrees + "|" +
                             boxes.delta_minutes + "|" + boxes.degrees + "|" + boxes.seconds);
    } else if (c.kind == Kind::Refused) {
      EXPECT_EQ("The curve was not added: " + c.entry_or_reason + ".", outcome.message);
      EXPECT_EQ(2u, boxes.delta_minutes.size()) << "padded for correction";
    }
    EXPECT_EQ(listed, program.entries.Entries());
  }
}

// The worked lot: a curve is logged, drawn, locked and undone as a line is.
TEST(AddCurve, IsLoggedDrawnLockedAndUndoneAsALine) {
  StringLog log;
  test::RecordingSurface surface;
  Program program{log, surface};
  EntryControls controls;
  controls.modes.optSurveyor.checked = true;
  const auto line = [&](const char* quadrant, const char* degrees, const char* length) {
    SurveyorFields f{quadrant, degrees, "", "", length};
    ASSERT_EQ(Kind::Added, AddSurveyorLine(program, controls, f).kind);
  };
  line("NE", "", "120.00");
  line("NE", "90", "40.00");
  const ModeControls after_lines = controls.modes;
  surface.calls.clear();
  CurveFields curve = Boxes(Right, "20.00", Delta, "", {"90", "", ""});
  ASSERT_EQ(Kind::Added, AddSurveyorCurve(program, controls, curve).kind);
  // The chord runs to (60, 100): 4,000 inside the chords plus the segment
  // 100 pi - 200 outside them.
  EXPECT_THAT(log.Text(), EndsWith(Cp1252("\r\nAdded curve: Curve right R 20.00LF delta "
                                          "90°00'00'' tangent\r\nClosure: 116.6190379 Area: "
                                          "4114.1592654")));
  EXPECT_EQ(Texts({"Width 2", "Arc 40 100 20 90 -90"}), surface.calls);
  EXPECT_EQ(after_lines, controls.modes);
  EXPECT_EQ(2u, program.entries.Selected());
  line("SE", "", "100.00");
  line("SW", "90", "60.00");
  EXPECT_THAT(log.Text(), EndsWith("Closure: 00.00 Area: 7114.1592654"));

  surface.calls.clear();
  UndoLastEntry(program, controls);
  EXPECT_THAT(surface.calls, Contains("Arc 40 100 20 90 -90"));
  UndoLastEntry(program, controls);
  UndoLastEntry(program, controls);
  EXPECT_THAT(log.Text(), EndsWith("\r\nClosure: 120.00\r\nClosure: 126.4911064\r\nLine Removed"));
  EXPECT_EQ(after_lines, controls.modes);
  EXPECT_TRUE(controls.cmdUndo_enabled);
}

TEST(CurvePreview, GivesTheElementsOrWhyNot) {
  struct Case {
    CurveFields boxes;
    std::optional<double> heading;
    std::string shown;
  };
  const double east = 0;
  const Case cases[] = {
      {Boxes(Right, "20.00", Delta, "", {"90", "", ""}), east,
       "R 20.0000 Delta 90°00'00.0\" L 31.4159 C 28.2843 CB S 45°00'00.0\" E "
       "T 20.0000"},
      {Boxes(Left, "10", Delta, "", {"270", "", ""}, ChordBearing, {"NE", "45", "", ""}),
       std::nullopt, "R 10.0000 Delta 270°00'00.0\" L 47.1239 C 14.1421 CB N 45°00'00.0\" E"},
      {Boxes(Right, "20", Delta, "", {"90", "", ""}), std::nullopt,
       "Not a curve: a tangent curve needs an entry before it to follow"},
      {Boxes(Right, "20", Chord, "41", {"", "", ""}), east,
       "Not a curve: the chord is longer than twice the radius"},
      {Boxes(Right, "", Delta, "", {"90", "", ""}), east, "Curve: enter its radius"},
      {Boxes(Right, "20", Arc, "", {"90", "", ""}), east, "Curve: enter its arc length"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Cp1252(c.shown), CurvePreview(c.boxes, "LF", c.heading));
}

}  // namespace
}  // namespace tw
