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

TEST(Links, HelpPageAndMailGoToTheDesktopOnceEach) {
  test::ScratchFolder scratch;
  test::WriteBytes(scratch.path() / kHelpFileName, "<html></html>");
  test::FixedProgramFolder folder(scratch.path().string());
  test::RecordingDesktop desktop;
  desktop.succeed = false;  // a refusal is not reported, and not retried

  ShowHelp(folder, desktop);
  OpenWebPage(desktop);
  OpenMailTo(desktop);

  // The mail has no subject and no body: the address alone.
  EXPECT_EQ((std::vector<std::string>{scratch.File(kHelpFileName), kWebAddress,
                                      std::string("mailto:") + kMailAddress}),
            desktop.opened);
}

}  // namespace
}  // namespace tw
