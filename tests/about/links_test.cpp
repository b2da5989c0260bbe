#include "about/links.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "about/contact.h"
#include "doubles/fakes.h"
#include "doubles/golden.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(HelpFilePath, BesideTheProgramElseTheInstalledOneUnchecked) {
  test::ScratchFolder scratch;
  const fs::path bin = scratch.path() / "bin";
  const fs::path installed = scratch.path() / "share" / "tractwise" / kHelpFileName;
  fs::create_directories(installed.parent_path());
  fs::create_directories(bin / kHelpFileName);  // a folder of the help's name is no help file
  EXPECT_EQ(installed.string(), HelpFilePath(bin.string()));
  EXPECT_FALSE(fs::exists(installed));

  fs::remove(bin / kHelpFileName);
  test::WriteBytes(installed, "installed");
  test::WriteBytes(bin / kHelpFileName, "beside");
  EXPECT_EQ((bin / kHelpFileName).string(), HelpFilePath(bin.string()));
}

// A refusal is never retried; only the help file's is reported.
TEST(Links, HelpPageAndMailGoToTheDesktopOnceEach) {
  test::ScratchFolder scratch;
  test::WriteBytes(scratch.path() / kHelpFileName, "<html></html>");
  test::FixedProgramFolder folder(scratch.path().string());
  test::RecordingDesktop desktop;
  test::RecordingMessageBox messages;
  desktop.succeed = false;

  ShowHelp(folder, desktop, messages);
  OpenWebPage(desktop);
  OpenMailTo(desktop);

  ASSERT_EQ(1u, messages.shown.size());
  EXPECT_EQ("No program could be found to open \"" + scratch.File(kHelpFileName) + "\".",
            messages.shown[0].text);
  EXPECT_EQ("Quadrell", messages.shown[0].title);
  EXPECT_EQ(MessageIcon::Information, messages.shown[0].icon);

  // The mail has no subject and no body: the address alone.
  EXPECT_EQ((std::vector<std::string>{scratch.File(kHelpFileName), kWebAddress,
                                      std::string("mailto:") + kMailAddress}),
            desktop.opened);
}

}  // namespace
}  // namespace tw
