// Installs the build into a fresh prefix, as `cmake --install` does for a
// user, and checks that the installed program finds its help there.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "about/links.h"
#include "doubles/golden.h"

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
  for (const char* line : {"\nExec=quadrell %f\n", "\nIcon=tractwise\n", "\nName=Quadrell\n",
                           "\nMimeType=application/x-tractwise-project;\n"})
    EXPECT_NE(std::string::npos, entry.find(line)) << line;
  EXPECT_TRUE(fs::is_regular_file(installed("share/mime/packages/tractwise.xml")));
}

// The desktop's own tools on the installed files, where they are installed
// (scripts/setup.sh installs them).
TEST(Install, TheDesktopToolsAcceptTheEntryAndKnowTheFileType) {
  if (std::system("command -v desktop-file-validate update-mime-database xdg-mime mimetype "
                  ">/dev/null 2>&1") != 0) {
    GTEST_SKIP() << "desktop-file-utils, shared-mime-info, xdg-utils or "
                    "libfile-mimeinfo-perl missing";
  }
  test::ScratchFolder prefix;
  const std::string p = "\"" + prefix.path().string() + "\"";
  const std::string log = " > " + p + "/tool.log 2>&1";
  const auto run = [&](const std::string& command) {
    const int code = std::system(command.c_str());
    return code == 0 ? std::string() : test::ReadBytes(prefix.File("tool.log")) + "(failed)";
  };
  ASSERT_EQ("", run(std::string("\"") + TW_CMAKE_COMMAND + "\" --install \"" + TW_BUILD_DIR +
                    "\" --prefix " + p + log));
  // Hints are no errors; an error fails the command.
  EXPECT_EQ("", run("desktop-file-validate " + p + "/share/applications/tractwise.desktop" + log));
  ASSERT_EQ("", run("update-mime-database " + p + "/share/mime" + log));
  test::WriteBytes(prefix.File("x.twc"), ":1.1.2\r\n");  // xdg-mime wants the file
  EXPECT_EQ("", run("cd " + p + " && XDG_DATA_DIRS=" + p +
                    "/share:/usr/share xdg-mime query filetype x.twc" + log));
  EXPECT_EQ("application/x-tractwise-project\n", test::ReadBytes(prefix.File("tool.log")));
}

}  // namespace
}  // namespace tw
