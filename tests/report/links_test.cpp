#include "report/links.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "report/contact.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(HelpFilePath, PrefersTheHelpBesideTheProgram) {
  test::ScratchFolder scratch;
  const fs::path bin = scratch.path() / "bin";
  fs::create_directories(bin);
  fs::create_directories(scratch.path() / "share" / "tractwise");
  test::WriteBytes(scratch.path() / "share" / "tractwise" / kHelpFileName, "installed");
  test::WriteBytes(bin / kHelpFileName, "beside");

  EXPECT_EQ((bin / kHelpFileName).string(), HelpFilePath(bin.string()));
}

TEST(HelpFilePath, FallsBackToTheInstalledHelpWithoutCheckingIt) {
  test::ScratchFolder scratch;
  const fs::path bin = scratch.path() / "bin";
  fs::create_directories(bin);
  // A folder of the help's name is no help file.
  fs::create_directories(bin / kHelpFileName);

  const std::string expected = (scratch.path() / "share" / "tractwise" / kHelpFileName).string();
  EXPECT_EQ(expected, HelpFilePath(bin.string()));
  EXPECT_FALSE(fs::exists(expected));
}

TEST(ShowHelp, HandsTheChosenFileToTheDesktopOnce) {
  test::ScratchFolder scratch;
  test::WriteBytes(scratch.path() / kHelpFileName, "<html></html>");
  test::FixedProgramFolder folder(scratch.path().string());
  test::RecordingDesktop desktop;
  desktop.succeed = false;  // a refusal is not reported, and not retried

  ShowHelp(folder, desktop);

  ASSERT_EQ(1u, desktop.opened.size());
  EXPECT_EQ(scratch.File(kHelpFileName), desktop.opened[0]);
}

TEST(Links, OpenTheWebPageAndANewMessageThroughTheDesktop) {
  test::RecordingDesktop desktop;

  OpenWebPage(desktop);
  OpenMailTo(desktop);

  ASSERT_EQ(2u, desktop.opened.size());
  EXPECT_EQ(kWebAddress, desktop.opened[0]);
  // No subject and no body: the address alone.
  EXPECT_EQ(std::string("mailto:") + kMailAddress, desktop.opened[1]);
  EXPECT_EQ(std::string::npos, desktop.opened[1].find('?'));
}

}  // namespace
}  // namespace tw
