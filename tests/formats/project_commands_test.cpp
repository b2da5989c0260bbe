#include "formats/project_commands.h"

#include <gtest/gtest.h>

#include "boundary/mode_option.h"
#include "doubles/cp1252.h"
#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "doubles/mode_controls.h"
#include "doubles/recording_surface.h"
#include "program/log.h"

namespace tw {
namespace {

using test::Cp1252;
using test::kDown;
using test::kFree;
using test::kLocked;
using test::ReadBytes;
using test::ReadGolden;
using test::WriteBytes;

class ProjectCommandsTest : public ::testing::Test {
 protected:
  // A fresh start: Surveyor's option down.
  ProjectCommandsTest() {
    controls.modes.optSurveyor.checked = true;
    controls.modes.mnuSetSurveyor.checked = true;
  }

  std::optional<OpenOutcome> Open(const std::string& bytes) {
    WriteBytes(folder.File("in.twc"), bytes);
    dialog.answers.push_back(folder.File("in.twc"));
    return OpenProjectFile(program, controls, dialog, messages);
  }

  StringLog log;
  test::RecordingSurface surface;
  Program program{log, surface};
  EntryControls controls;
  test::ScriptedFileDialog dialog;
  test::RecordingMessageBox messages;
  test::ScratchFolder folder;
};

TEST_F(ProjectCommandsTest, SaveAsksForTheFileAndWritesTheBoundary) {
  dialog.answers.push_back(folder.File("a.twc"));
  SaveProjectFile(program, dialog, messages);
  ASSERT_EQ(1u, dialog.requests.size());
  const FileDialogRequest& r = dialog.requests[0];
  EXPECT_EQ(FileDialogRequest::Kind::Save, r.kind);
  EXPECT_EQ("Save file as", r.title);
  EXPECT_EQ("Untitled.twc", r.initial_name);
  EXPECT_EQ("Tractwise File (*.twc)|*.twc|", r.filter);
  EXPECT_TRUE(r.overwrite_prompt);
  EXPECT_EQ(ReadGolden("empty_surveyor_lf.twc"), ReadBytes(folder.File("a.twc")));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ProjectCommandsTest, SaveCancelledOrFailedWritesNothing) {
  WriteBytes(folder.File("a.twc"), "previous");
  SaveProjectFile(program, dialog, messages);  // no answer: cancelled
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ("previous", ReadBytes(folder.File("a.twc")));

  const std::string inside_a_file = folder.File("a.twc") + "/b.twc";
  dialog.answers.push_back(inside_a_file);
  SaveProjectFile(program, dialog, messages);
  ASSERT_EQ(1u, messages.shown.size());
  EXPECT_EQ("Quadrell", messages.shown[0].title);
}

TEST_F(ProjectCommandsTest, OpenReplacesTheBoundaryAndReplots) {
  program.entries.Replace({"5 , 5"});
  program.state.EntryMode = "Point";
  controls.modes = PressModeOption(controls.modes, ModeOption::Point);
  controls.modes = LockModeControls(controls.modes, 1);
  program.state.PlotCentreX = 12;
  const std::optional<OpenOutcome> opened = Open(ReadGolden("bearing3.twc"));
  ASSERT_TRUE(opened);
  ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].text;
  const FileDialogRequest& r = dialog.requests[0];
  EXPECT_EQ(FileDialogRequest::Kind::Open, r.kind);
  EXPECT_EQ("Open File", r.title);
  EXPECT_TRUE(r.must_exist);

  EXPECT_EQ(ModeOption::Surveyor, opened->pressed_mode);
  EXPECT_EQ(3u, program.entries.Count());
  EXPECT_EQ("Surveyor", program.state.EntryMode);
  EXPECT_EQ(ReadGolden("bearing3_log.txt"), log.Text());
  EXPECT_EQ(0, program.state.PlotCentreX);  // the view back on the new start
  EXPECT_TRUE(controls.cmdUndo_enabled);
  // The old point list had locked the bearing modes; the new list locks
  // Point and the other unit system.
  EXPECT_EQ((ModeControls{kDown, kFree, kLocked, kDown, kFree, kLocked, kDown, kLocked}),
            controls.modes);
}

TEST_F(ProjectCommandsTest, CurvesOpenSaveAndReopenByteForByte) {
  const std::string golden = ReadGolden("curve_lot.twc");
  std::string bytes = golden;
  for (int round = 0; round < 2; ++round) {
    ASSERT_TRUE(Open(bytes));
    ASSERT_TRUE(messages.shown.empty()) << messages.shown[0].text;
    dialog.answers.push_back(folder.File("saved.twc"));
    SaveProjectFile(program, dialog, messages);
    bytes = ReadBytes(folder.File("saved.twc"));
    EXPECT_EQ(golden, bytes) << "round " << round;
  }
}

TEST_F(ProjectCommandsTest, OpenTakesAPointListsFirstPointFromItsFirstEntry) {
  const std::optional<OpenOutcome> opened =
      Open(":1.1.2\r\n:12.5,-3,m.,Point,extra\r\n100 , 200\r\n\r\n130 , 200\r\n130 , 240\r\n");
  ASSERT_TRUE(opened);
  EXPECT_EQ(ModeOption::Point, opened->pressed_mode);
  EXPECT_EQ(100, program.state.FirstPointX);
  EXPECT_EQ(200, program.state.FirstPointY);
  EXPECT_EQ("m.", program.state.UnitAbbrev);
  EXPECT_EQ("\r\nClosure: 00.00\r\nClosure: 30.00\r\nClosure: 50.00", log.Text());
  EXPECT_EQ((ModeControls{kLocked, kLocked, kDown, kLocked, kLocked, kDown, kFree, kDown}),
            controls.modes);
}

// An unknown mode puts no option down; a file without a header keeps the
// program's values (but a mode contradicting its entries); an empty list
// turns Undo off.
TEST_F(ProjectCommandsTest, OpenTakesOddFilesAsWritten) {
  program.entries.Replace({"1 , 2"});
  program.state.UnitAbbrev = "m.";
  controls.cmdUndo_enabled = true;
  std::optional<OpenOutcome> opened = Open("1 , 2\r\n3 , 4\r\n");
  ASSERT_TRUE(opened);
  EXPECT_EQ(std::vector<std::string>{"3 , 4"}, program.entries.Entries());
  EXPECT_EQ("m.", program.state.UnitAbbrev);
  EXPECT_EQ(3, program.state.FirstPointX);  // the replot takes entry 0

  opened = Open(":1.1.2\r\n:0,0,LF,point\r\n1 , 2\r\n");
  ASSERT_TRUE(opened);
  EXPECT_FALSE(opened->pressed_mode);
  EXPECT_EQ("point", program.state.EntryMode);
  EXPECT_TRUE(controls.modes.optPoint.checked);  // as the open before left it
  EXPECT_TRUE(controls.cmdUndo_enabled);

  const std::string logged = log.Text();
  ASSERT_TRUE(Open(ReadGolden("empty_surveyor_lf.twc")));
  EXPECT_TRUE(program.entries.Empty());
  EXPECT_FALSE(controls.cmdUndo_enabled);
  EXPECT_EQ(logged, log.Text());
}

// Fault: a file whose mode contradicted its entries opened, and then the
// report and both exports failed on it.
TEST_F(ProjectCommandsTest, OpenCorrectsAModeThatContradictsTheEntries) {
  const std::string bearing = Cp1252("NE 45°30'15'' @1LF\r\n");
  struct Case {
    const char* opened_in;  // EntryMode afterwards
    std::optional<ModeOption> pressed;
    const char* message;  // after the file's name; "" for none
    const char* held;     // EntryMode before
    std::string bytes;
  };
  const Case cases[] = {
      {"Point", ModeOption::Point,
       "\" says Carpenter but holds point entries; it was opened in Point mode.", "Surveyor",
       ":1.1.2\r\n:0,0,LF,Carpenter\r\n1 , 2\r\n"},
      {"Surveyor", ModeOption::Surveyor,
       "\" says Point but holds bearing entries; it was opened in Surveyor mode.", "Point",
       ":1.1.2\r\n:0,0,LF,Point\r\n" + bearing},
      {"Carpenter ", std::nullopt, "", "Point", ":1.1.2\r\n:0,0,LF,Carpenter \r\n1 , 2\r\n"},
      {"Point", ModeOption::Point,
       "\" says Surveyor but holds point entries; it was opened in Point mode.", "Surveyor",
       "no header\r\n1 , 2\r\n"},
  };
  for (const Case& c : cases) {
    program.state.EntryMode = c.held;
    const std::optional<OpenOutcome> opened = Open(c.bytes);
    ASSERT_TRUE(opened) << c.bytes;
    EXPECT_EQ(c.opened_in, program.state.EntryMode) << c.bytes;
    EXPECT_EQ(c.pressed, opened->pressed_mode) << c.bytes;
    const std::string expected =
        *c.message ? "The file \"" + folder.File("in.twc") + c.message : "";
    EXPECT_EQ(expected, opened->message.value_or("")) << c.bytes;
  }
  EXPECT_TRUE(messages.shown.empty());  // the caller shows it, over the boundary
}

TEST_F(ProjectCommandsTest, ARejectedFileChangesNothing) {
  // Every reason is named by the reader's own test.
  const std::string damaged[] = {
      "",
      ":1.1.2\r\n:x,0,m.,Point\r\n",
      ":1.1.2\r\n:1,2,m.,Point\r\n1 , 2\r\n" + Cp1252("NE 45°30'15'' @1m.\r\n"),
  };
  program.entries.Replace({"5 , 5"});
  program.state.EntryMode = "Point";
  program.state.FirstPointX = 5;
  program.state.FirstPointY = 5;
  controls.cmdUndo_enabled = true;
  const ProgramState before = program.state;
  const EntryControls controls_before = controls;
  for (const std::string& bytes : damaged) {
    messages.shown.clear();
    EXPECT_FALSE(Open(bytes)) << bytes;
    ASSERT_EQ(1u, messages.shown.size()) << bytes;
    EXPECT_TRUE(messages.shown[0].text.starts_with("The file \"" + folder.File("in.twc") +
                                                   "\" cannot be opened: "))
        << messages.shown[0].text;
    EXPECT_EQ(std::vector<std::string>{"5 , 5"}, program.entries.Entries());
    EXPECT_EQ(before.FirstPointX, program.state.FirstPointX);
    EXPECT_EQ(before.FirstPointY, program.state.FirstPointY);
    EXPECT_EQ(before.UnitAbbrev, program.state.UnitAbbrev);
    EXPECT_EQ(before.EntryMode, program.state.EntryMode);
    EXPECT_EQ(controls_before.cmdUndo_enabled, controls.cmdUndo_enabled);
    EXPECT_EQ(controls_before.modes, controls.modes);
  }
  EXPECT_EQ("", log.Text());
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_EQ("The file \"" + folder.File("in.twc") +
                "\" cannot be opened: line 4 cannot be read (the point entry has no \" , \"): " +
                Cp1252("NE 45°30'15'' @1m.."),
            messages.shown[0].text);
}

TEST_F(ProjectCommandsTest, OpenCancelledOrUnreadableChangesNothing) {
  EXPECT_FALSE(OpenProjectFile(program, controls, dialog, messages));
  EXPECT_TRUE(messages.shown.empty());

  dialog.answers.push_back(folder.File("missing.twc"));
  EXPECT_FALSE(OpenProjectFile(program, controls, dialog, messages));
  ASSERT_EQ(1u, messages.shown.size());
  EXPECT_EQ("The file \"" + folder.File("missing.twc") +
                "\" could not be read: No such file or directory.",
            messages.shown[0].text);
  EXPECT_TRUE(surface.calls.empty());
}

}  // namespace
}  // namespace tw
