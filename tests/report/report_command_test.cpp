#include "report/report_command.h"

#include <gtest/gtest.h>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "program/log.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::ReadGolden;

class ReportCommandTest : public ::testing::Test {
 protected:
  void Square() {
    program.entries.Replace({"0 , 0", "100 , 0", "100 , 50", "0 , 50", "0 , 0"});
    program.state.EntryMode = "Point";
  }

  StringLog log;
  NullSurface surface;
  Program program{log, surface};
  test::RecordingMessageBox messages;
  test::RecordingDesktop desktop;
  test::ScratchFolder folder;
  ProgramFolders folders{folder.File("settings"), folder.File("data")};
};

TEST_F(ReportCommandTest, AnEmptyListIsNothingToReport) {
  WriteBoundaryReport(program, messages, desktop, folders);
  ASSERT_EQ(1u, messages.shown.size());
  EXPECT_EQ("Nothing to report", messages.shown[0].text);
  EXPECT_EQ("Reporting", messages.shown[0].title);
  EXPECT_EQ(MessageIcon::Information, messages.shown[0].icon);
  EXPECT_TRUE(desktop.opened.empty());
  EXPECT_FALSE(std::filesystem::exists(folders.data));
}

TEST_F(ReportCommandTest, WritesReportTxtInTheDataFolderAndOpensIt) {
  program.entries.Replace({"1 , 1", "2 , 2"});
  program.state.EntryMode = "Point";
  WriteBoundaryReport(program, messages, desktop, folders);
  Square();
  WriteBoundaryReport(program, messages, desktop, folders);
  EXPECT_TRUE(messages.shown.empty());
  const std::string path = folder.File("data") + "/report.txt";
  EXPECT_EQ((std::vector<std::string>{path, path}), desktop.opened);
  EXPECT_EQ(ReadGolden("square_points_report.txt"), ReadBytes(path));
  EXPECT_EQ(4u, program.entries.Selected());

  desktop.succeed = false;
  WriteBoundaryReport(program, messages, desktop, folders);
  ASSERT_EQ(1u, messages.shown.size());
  EXPECT_EQ("No program could be found to open \"" + path + "\". The file was saved there.",
            messages.shown[0].text);
  EXPECT_EQ(MessageIcon::Information, messages.shown[0].icon);
}

TEST_F(ReportCommandTest, AReportThatCannotBeWrittenStartsNoViewer) {
  Square();
  test::WriteBytes(folder.File("file"), "");
  folders.data = folder.File("file") + "/data";
  WriteBoundaryReport(program, messages, desktop, folders);
  EXPECT_EQ(1u, messages.shown.size());
  EXPECT_TRUE(desktop.opened.empty());
}

TEST_F(ReportCommandTest, AnUnreadableEntryWritesNothing) {
  program.entries.Replace({"1 , 1", "2 ; 2"});
  program.state.EntryMode = "Point";
  WriteBoundaryReport(program, messages, desktop, folders);
  ASSERT_EQ(1u, messages.shown.size());
  EXPECT_EQ("Entry 2 cannot be read (the point entry has no \" , \"): 2 ; 2",
            messages.shown[0].text);
  EXPECT_TRUE(desktop.opened.empty());
  EXPECT_FALSE(std::filesystem::exists(folders.data + "/report.txt"));
}

}  // namespace
}  // namespace tw
