// Installs the build into a fresh prefix, as `cmake --install` does for a
// user, and checks that the installed program finds its help there.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "doubles/golden.h"
#include "report/links.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

class InstallTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    prefix_ = new test::ScratchFolder;
    const std::string command = std::string("\"") + TW_CMAKE_COMMAND + "\" --install \"" +
                                TW_BUILD_DIR + "\" --prefix \"" + prefix_->path().string() +
                                "\" > \"" + prefix_->File("install.log") + "\" 2>&1";
    status_ = std::system(command.c_str());
  }
  static void TearDownTestSuite() { delete prefix_; }

  fs::path Installed(const std::string& relative) const { return prefix_->path() / relative; }

  static test::ScratchFolder* prefix_;
  static int status_;
};

test::ScratchFolder* InstallTest::prefix_ = nullptr;
int InstallTest::status_ = -1;

TEST_F(InstallTest, PutsEveryFileInItsPlace) {
  ASSERT_EQ(0, status_) << test::ReadBytes(Installed("install.log"));
  for (const char* program : {"bin/quadrell", "bin/quadrell-batch"}) {
    SCOPED_TRACE(program);
    ASSERT_TRUE(fs::is_regular_file(Installed(program)));
    EXPECT_NE(fs::perms::none,
              fs::status(Installed(program)).permissions() & fs::perms::owner_exec);
  }
  EXPECT_TRUE(fs::is_regular_file(Installed("share/icons/hicolor/scalable/apps/tractwise.svg")));
  // No help beside the installed program: it must come from share/.
  EXPECT_FALSE(fs::exists(Installed("bin/QuadrellHelp.html")));
}

TEST_F(InstallTest, InstalledProgramFindsItsHelp) {
  ASSERT_EQ(0, status_);
  const std::string help = HelpFilePath(Installed("bin").string());
  EXPECT_EQ(Installed("share/tractwise/QuadrellHelp.html").string(), help);
  EXPECT_EQ(test::ReadBytes(fs::path(TW_SOURCE_DIR) / "help" / "QuadrellHelp.html"),
            test::ReadBytes(help));
}

TEST_F(InstallTest, DesktopEntryStartsTheProgramWithItsIcon) {
  ASSERT_EQ(0, status_);
  const std::string entry = test::ReadBytes(Installed("share/applications/tractwise.desktop"));
  EXPECT_EQ(0u, entry.find("[Desktop Entry]\n"));
  EXPECT_NE(std::string::npos, entry.find("\nExec=quadrell\n"));
  EXPECT_NE(std::string::npos, entry.find("\nIcon=tractwise\n"));
  EXPECT_NE(std::string::npos, entry.find("\nName=Quadrell\n"));
}

}  // namespace
}  // namespace tw
