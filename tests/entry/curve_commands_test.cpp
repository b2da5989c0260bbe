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
using Texts = std::vector<std::string>;
using enum CommandOutcome::Kind;

const std::string kEast40 = Cp1252("NE 90°00'00'' @40.00LF");

// The boxes in the strip's order, '|' between: side, radius, size, arc or
// chord, the delta's three, direction, quadrant, its three, major; each
// chooser by its initial (R/L; A/D/C; T/C/R), M for a major arc.
CurveFields Boxes(std::string_view typed) {
  Texts t;
  for (size_t at = 0, bar = 0; bar != std::string_view::npos; at = bar + 1) {
    bar = typed.find('|', at);
    t.emplace_back(typed.substr(at, bar - at));
  }
  t.resize(13);
  const auto pick = [](const std::string& initial, std::string_view initials) {
    return static_cast<int>(initials.find(initial.empty() ? '?' : initial[0]));
  };
  const auto side = static_cast<CurveSide>(pick(t[0], "RL"));
  const auto size = static_cast<CurveSize>(pick(t[2], "ADC"));
  const auto aim = static_cast<CurveAim>(pick(t[7], "TCR"));
  return {side, t[1], size, t[3], t[4], t[5], t[6], t[12] == "M", aim, t[8], t[9], t[10], t[11]};
}

// What an add makes of the boxes after the entries `before`: the entry, or
// the refusal in words, or nothing at all.
TEST(AddCurve, BoxesMakeTheEntryOrAreRefusedInWords) {
  struct Case {
    Texts before;
    const char* boxes;
    std::string entry_or_reason;  // none when nothing is added
  };
  const Texts line{kEast40};
  const Case cases[] = {
      {line, "R|20.00|D||90|||T", "Curve right R 20.00LF delta 90°00'00'' tangent"},
      {{}, "L|210.00|A|105.32||||C|NE|45", "Curve left R 210.00LF arc 105.32LF CB NE 45°00'00''"},
      {{},
       "L|50.00|C|25.00||||C|SE|80|||M",
       "Curve left R 50.00LF chord 25.00LF major CB SE 80°00'00''"},
      {{}, "R|5|D|7|105|3|7|R|NW|5||9|M", "Curve right R 05LF delta 105°03'07'' RB NW 05°00'09''"},
      {{}, "R|20|D||90|||T", "a tangent curve needs an entry before it to follow"},
      {{"1 , 2"}, "R|20|D||90|||T", "the boundary is made of points, not lines"},
      {line, "R|20|C|40.01||||T", "the chord is longer than twice the radius"},
      {line, "R|20|A|125.67||||T", "the arc is not shorter than the whole circle of that radius"},
      {line, "R|0|A|5||||T", "the radius must be more than 0"},
      {line, "R|20|D||360|||T", "the delta's degrees \"360\" must be a whole number from 0 to 359"},
      {line, "R|20|D||1|5.||T", "the delta's minutes \"5.\" must be a whole number from 0 to 59"},
      {line, "R|20|D||0|||T", "the delta must be more than 0"},
      {{},
       "R|20|D||9|||R|NE|91",
       "the radial bearing's degrees \"91\" must be a whole number from 0 to 90"},
      {{}, "R|20|D||9|||C|NE|90||1", "the chord bearing is more than 90 degrees from the meridian"},
      {line, "R||D||90|||T", ""},
  };
  for (const Case& c : cases) {
    StringLog log;
    test::RecordingSurface surface;
    Program program{log, surface};
    EntryControls controls;
    program.entries.Replace(c.before);
    CurveFields boxes = Boxes(c.boxes);
    const CommandOutcome outcome = AddSurveyorCurve(program, controls, boxes);
    const bool added = c.entry_or_reason.starts_with("Curve ");
    EXPECT_EQ(added ? Added : c.entry_or_reason.empty() ? Ignored : Refused, outcome.kind);
    Texts listed = c.before;
    if (added) {
      listed.push_back(Cp1252(c.entry_or_reason));
      EXPECT_EQ("", outcome.message);
      EXPECT_EQ("|||||", boxes.radius + "|" + boxes.length + "|" + boxes.delta_degrees + "|" +
                             boxes.delta_minutes + "|" + boxes.degrees + "|" + boxes.seconds);
    } else if (!c.entry_or_reason.empty()) {
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
    ASSERT_EQ(Added, AddSurveyorLine(program, controls, f).kind);
  };
  line("NE", "", "120.00");
  line("NE", "90", "40.00");
  const ModeControls after_lines = controls.modes;
  surface.calls.clear();
  CurveFields curve = Boxes("R|20.00|D||90|||T");
  ASSERT_EQ(Added, AddSurveyorCurve(program, controls, curve).kind);
  // The chord runs to (60, 100): 4,000 inside the chords plus the segment
  // 100 pi - 200 outside them.
  EXPECT_THAT(log.Text(), EndsWith(Cp1252("\r\nAdded curve: Curve right R 20.00LF delta "
                                          "90°00'00'' tangent\r\nClosure: 116.6190379 Area: "
                                          "4114.1592654")));
  EXPECT_EQ(Texts({"Width 2", "Arc 40 100 20 90 -90"}), surface.calls);
  EXPECT_EQ(after_lines, controls.modes);
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
}

TEST(CurvePreview, GivesTheElementsOrWhyNot) {
  struct Case {
    const char* boxes;
    std::optional<double> heading;
    std::string shown;
  };
  const double east = 0;
  const Case cases[] = {
      {"L|10|D||270|||C|NE|45", std::nullopt,
       "R 10.0000 Delta 270°00'00.0\" L 47.1239 C 14.1421 CB N 45°00'00.0\" E"},
      {"R|20|D||90|||T", std::nullopt,
       "Not a curve: a tangent curve needs an entry before it to follow"},
      {"R|20|C|41||||T", east, "Not a curve: the chord is longer than twice the radius"},
      {"R||D||90|||T", east, "Curve: enter its radius"},
      {"R|20|A||90|||T", east, "Curve: enter its arc length"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(Cp1252(c.shown), CurvePreview(Boxes(c.boxes), "LF", c.heading));
}

}  // namespace
}  // namespace tw
