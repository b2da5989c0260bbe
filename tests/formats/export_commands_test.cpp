#include "formats/export_commands.h"

#include <gtest/gtest.h>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "program/log.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::ReadGolden;
using test::WriteBytes;

using Command = void (*)(Program&, FileDialog&, MessageBox&);

struct ExportCase {
  const char* what;
  Command command;
  const char* empty_title;
  const char* dialog_title;
  const char* initial_name;
  const char* filter;
  const char* golden;  // of the three points 0 , 0 / 100 , 0 / 100 , 50
};

const ExportCase kExports[] = {
    {"points", ExportPointFile, "Point Export", "Export Points", "Untitled.asc",
     "Comma separated ASCII file (*.asc)|*.asc|All files (*.*)|*.*|", "points3.asc"},
    {"dxf", ExportDxfFile, "DXF Export", "Export to DXF", "Untitled.dxf", "DXF file (*.dxf)|*.dxf|",
     "points3.dxf"},
};

class ExportCommandsTest : public ::testing::Test {
 protected:
  void ThreePoints() {
    program.entries.Replace({"0 , 0", "100 , 0", "100 , 50"});
    program.state.EntryMode = "Point";
  }

  StringLog log;
  NullSurface surface;
  Program program{log, surface};
  test::ScriptedFileDialog dialog;
  test::RecordingMessageBox messages;
  test::ScratchFolder folder;
};

TEST_F(ExportCommandsTest, AnEmptyListOrACancelWritesNothing) {
  for (const ExportCase& c : kExports) {
    messages.shown.clear();
    c.command(program, dialog, messages);
    ASSERT_EQ(1u, messages.shown.size()) << c.what;
    EXPECT_EQ("Nothing to export", messages.shown[0].text);
    EXPECT_EQ(c.empty_title, messages.shown[0].title);
    EXPECT_EQ(MessageIcon::Information, messages.shown[0].icon);
  }
  EXPECT_TRUE(dialog.requests.empty());
  // A cancelled dialog says nothing and writes nothing.
  messages.shown.clear();
  ThreePoints();
  for (const ExportCase& c : kExports)
    c.command(program, dialog, messages);
  EXPECT_EQ(2u, dialog.requests.size());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(std::filesystem::is_empty(folder.path()));
}

TEST_F(ExportCommandsTest, WritesTheChosenFile) {
  ThreePoints();
  for (const ExportCase& c : kExports) {
    const std::string path = folder.File(c.initial_name);
    WriteBytes(path, "previous");
    dialog.answers.push_back(path);
    program.entries.Select(0);
    c.command(program, dialog, messages);
    const FileDialogRequest& r = dialog.requests.back();
    EXPECT_EQ(FileDialogRequest::Kind::Save, r.kind);
    EXPECT_EQ(c.dialog_title, r.title);
    EXPECT_EQ(c.initial_name, r.initial_name);
    EXPECT_EQ(c.filter, r.filter);
    EXPECT_TRUE(r.overwrite_prompt);
    EXPECT_EQ(ReadGolden(c.golden), ReadBytes(path)) << c.what;
    EXPECT_EQ(2u, program.entries.Selected()) << c.what;
  }
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(ExportCommandsTest, AnUnreadableEntryOrFileShowsOneMessageAndKeepsThePreviousFile) {
  program.entries.Replace({"0 , 0", "100 ; 0"});
  program.state.EntryMode = "Point";
  for (const ExportCase& c : kExports) {
    const std::string path = folder.File(c.initial_name);
    WriteBytes(path, "previous");
    messages.shown.clear();
    dialog.answers.push_back(path);
    c.command(program, dialog, messages);
    ASSERT_EQ(1u, messages.shown.size()) << c.what;
    EXPECT_EQ("Entry 2 cannot be read (the point entry has no \" , \"): 100 ; 0",
              messages.shown[0].text);
    EXPECT_EQ("previous", ReadBytes(path)) << c.what;
  }
  // A write that fails is shown once; its wording is the writer's own.
  ThreePoints();
  for (const ExportCase& c : kExports) {
    messages.shown.clear();
    dialog.answers.push_back(folder.path().string());  // a folder, not a file
    c.command(program, dialog, messages);
    EXPECT_EQ(1u, messages.shown.size()) << c.what;
  }
}

}  // namespace
}  // namespace tw
