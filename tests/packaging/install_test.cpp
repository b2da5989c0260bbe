// Installs the build into a fresh prefix, as `cmake --install` does for a
// user, and checks that the installed program finds its help there.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "doubles/golden.h"
#include "report/links.h"

namespace tw {
namespace {

namespace fs = std::filesystem;

TEST(Install, PutsEveryFileInItsPlaceAndTheProgramFindsItsHelp) {
  test::ScratchFolder prefix;
  const std::string command = std::string("\"") + TW_CMAKE_COMMAND + "\" --install \"" +
                              TW_BUILD_DIR + "\" --prefix \"" + prefix.path().string() + "\" > \"" +
                              prefix.File("install.log") + "\" 2>&1";
  ASSERT_EQ(0, std::system(command.c_str())) << test::ReadBytes(prefix.File("install.log"));
  const auto installed = [&prefix](const char* relative) { return prefix.path() / relative; };

  for (const char* program : {"bin/quadrell", "bin/quadrell-batch"}) {
    ASSERT_TRUE(fs::is_regular_file(installed(program))) << program;
    EXPECT_NE(fs::perms::none,
              fs::status(installed(program)).permissions() & fs::perms::owner_exec);
  }
  EXPECT_TRUE(fs::is_regular_file(installed("share/icons/hicolor/scalable/apps/tractwise.svg")));
  // The installed batch tool finds its pdf program in the moved tree.
  const std::string pdf = "\"" + installed("bin/quadrell-batch").string() + "\" pdf \"" +
                          TW_SOURCE_DIR + "/tests/golden/bearing3.twc\" 2>/dev/null | head -c 5";
  FILE* out = popen(pdf.c_str(), "r");
  char start[6] = {};
  ASSERT_NE(out, nullptr);
  EXPECT_EQ(fread(start, 1, 5, out), 5u);
  pclose(out);
  EXPECT_STREQ(start, "%PDF-");

  // No help beside the installed program: it must come from share/.
  const std::string help = HelpFilePath(installed("bin").string());
  EXPECT_EQ(installed("share/tractwise/QuadrellHelp.html").string(), help);
  EXPECT_EQ(test::ReadBytes(fs::path(TW_SOURCE_DIR) / "help" / "QuadrellHelp.html"),
            test::ReadBytes(help));

  const std::string entry = test::ReadBytes(installed("share/applications/tractwise.desktop"));
  EXPECT_EQ(0u, entry.find("[Desktop Entry]\n"));
  for (const char* line : {"\nExec=quadrell\n", "\nIcon=tractwise\n", "\nName=Quadrell\n"})
    EXPECT_NE(std::string::npos, entry.find(line)) << line;
}

}  // namespace
}  // namespace tw
