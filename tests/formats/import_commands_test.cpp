#include "formats/import_commands.h"

#include <gtest/gtest.h>

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
using test::WriteBytes;

class ImportCommandsTest : public ::testing::Test {
 protected:
  ImportCommandsTest() {
    controls.modes.optSurveyor.checked = true;
    controls.modes.mnuSetSurveyor.checked = true;
  }

  PointPreview Preview(const std::string& bytes) {
    WriteBytes(folder.File("p.txt"), bytes);
    dialog.answers.push_back(folder.File("p.txt"));
    std::optional<PointPreview> preview = ChoosePointFile(dialog, messages);
    EXPECT_TRUE(preview);
    return preview ? *preview : PointPreview{};
  }

  StringLog log;
  test::RecordingSurface surface;
  Program program{log, surface};
  EntryControls controls;
  test::ScriptedFileDialog dialog;
  test::RecordingMessageBox messages;
  test::ScratchFolder folder;
};

TEST_F(ImportCommandsTest, ChoosePointFileAsksForAnExistingFile) {
  const PointPreview preview = Preview("1,2,3\r\n\r\n4,5,6");
  const FileDialogRequest& r = dialog.requests[0];
  EXPECT_EQ(FileDialogRequest::Kind::Open, r.kind);
  EXPECT_EQ("Open Point File", r.title);
  EXPECT_EQ("", r.initial_name);
  EXPECT_EQ("ASCII point file (*.asc, *.txt)|*.asc;*.txt|All Files (*.*)|*.*|", r.filter);
  EXPECT_TRUE(r.must_exist);
  EXPECT_EQ(folder.File("p.txt"), preview.path);
  ASSERT_EQ(2u, preview.lines.size());
  EXPECT_EQ("4,5,6", preview.lines[1].text);
}

TEST_F(ImportCommandsTest, ChoosePointFileCancelledOrUnreadableGivesNoPreview) {
  EXPECT_FALSE(ChoosePointFile(dialog, messages));
  EXPECT_TRUE(messages.shown.empty());
  dialog.answers.push_back(folder.File("missing.txt"));
  EXPECT_FALSE(ChoosePointFile(dialog, messages));
  EXPECT_EQ(1u, messages.shown.size());
}

// Mended fault: a point file starting with the UTF-8 byte-order mark lost its first line.
TEST_F(ImportCommandsTest, AFileStartingWithTheUtf8MarkIsReadAsUtf8) {
  const PointPreview preview = Preview(
      "\xEF\xBB\xBF"
      "1,2,3\r\n4,5,6 \xC2\xB0\r\n");
  ASSERT_EQ(2u, preview.lines.size());
  EXPECT_EQ("1,2,3", preview.lines[0].text);
  EXPECT_EQ("4,5,6 \xB0", preview.lines[1].text);

  WriteBytes(folder.File("p.txt"),
             "\xEF\xBB\xBF"
             "1,2,3\r\n4,5,\xE2\x88\x9A\r\n");
  dialog.answers.push_back(folder.File("p.txt"));
  EXPECT_FALSE(ChoosePointFile(dialog, messages));
  ASSERT_EQ(1u, messages.shown.size());
  EXPECT_EQ("The file \"" + folder.File("p.txt") +
                "\" could not be read: line 2 cannot be read (not a Windows-1252 character).",
            messages.shown[0].text);
}

TEST_F(ImportCommandsTest, ImportReplacesTheBoundaryInPointMode) {
  program.entries.Replace({Cp1252("NE 45°30'15'' @100.5LF")});
  controls.modes = LockModeControls(controls.modes, 1);
  program.state.PlotCentreY = -8;
  const PointPreview preview = Preview("100,200,100\r\n101,200,130\r\n102,240,130\r\n");
  const ImportOutcome outcome = ImportPoints(program, controls, preview, "PN, N, E", messages);
  EXPECT_TRUE(outcome.imported);
  EXPECT_TRUE(messages.shown.empty());
  const std::vector<std::string> expected = {"100 , 200", "130 , 200", "130 , 240"};
  EXPECT_EQ(expected, program.entries.Entries());
  EXPECT_EQ("Point", program.state.EntryMode);
  EXPECT_EQ(100, program.state.FirstPointX);
  EXPECT_EQ(200, program.state.FirstPointY);
  EXPECT_EQ(0, program.state.PlotCentreY);  // the view back on the first point
  // One closure line per point and no area.
  EXPECT_EQ("\r\nClosure: 00.00\r\nClosure: 30.00\r\nClosure: 50.00", log.Text());
  EXPECT_TRUE(controls.cmdUndo_enabled);
  // Point locked out by the bearing list before, down for the point list now;
  // point entries carry no unit, so both systems stay open.
  EXPECT_EQ((ModeControls{kLocked, kLocked, kDown, kLocked, kLocked, kDown, kDown, kFree}),
            controls.modes);
}

TEST_F(ImportCommandsTest, WhenNoPointCanBeReadNothingChanges) {
  program.entries.Replace({Cp1252("NE 45°30'15'' @100.5LF")});
  controls.cmdUndo_enabled = true;
  const EntryControls before = controls;
  const char* files[] = {"", "PN,N,E\r\nID,X,Y\r\n"};
  for (const char* bytes : files) {
    messages.shown.clear();
    const PointPreview preview = Preview(bytes);
    const ImportOutcome outcome = ImportPoints(program, controls, preview, "PN, N, E", messages);
    EXPECT_FALSE(outcome.imported);
    ASSERT_EQ(1u, messages.shown.size());
    EXPECT_EQ("No point could be read from the file \"" + folder.File("p.txt") +
                  "\" with the format \"PN, N, E\".",
              messages.shown[0].text);
    EXPECT_EQ(1u, program.entries.Count());
    EXPECT_EQ("Surveyor", program.state.EntryMode);
    EXPECT_EQ(before.modes, controls.modes);
  }
  EXPECT_TRUE(surface.calls.empty());
  EXPECT_EQ("", log.Text());
}

}  // namespace
}  // namespace tw
