#include "settings/folders.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "doubles/golden.h"

namespace tw {
namespace {

TEST(Folders, ChosenByLocation) {
  struct Case {
    const char* settings;  // expected
    const char* data;
    const char* program_folder;
    std::map<std::string, std::string> environment;
  };
  const std::map<std::string, std::string> home = {{"HOME", "/home/ann"}};
  const Case cases[] = {
      // Portable and build folders keep everything beside the program.
      {"/home/ann/quadrell", "/home/ann/quadrell", "/home/ann/quadrell", home},
      {"/usrlocal/bin", "/usrlocal/bin", "/usrlocal/bin", home},
      {"/srv/opt", "/srv/opt", "/srv/opt", home},
      // Installed system locations use the user's XDG folders.
      {"/home/ann/.config/tractwise", "/home/ann/.local/share/tractwise", "/usr/bin", home},
      {"/home/ann/.config/tractwise", "/home/ann/.local/share/tractwise", "/opt/quadrell", home},
      {"/home/ann/.config/tractwise", "/home/ann/.local/share/tractwise", "/opt", home},
      {"/home/ann/.config/tractwise", "/home/ann/.local/share/tractwise", "/home/../usr/bin", home},
      {"/cfg/tractwise",
       "/dat/tractwise",
       "/usr/bin",
       {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "/cfg"}, {"XDG_DATA_HOME", "/dat"}}},
      // A relative XDG folder is ignored, as the XDG rules say.
      {"/home/ann/.config/tractwise",
       "/home/ann/.local/share/tractwise",
       "/usr/bin",
       {{"HOME", "/home/ann"}, {"XDG_CONFIG_HOME", "cfg"}, {"XDG_DATA_HOME", ""}}},
      // Without any user folder the program's folder is all there is.
      {"/usr/bin", "/usr/bin", "/usr/bin", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.program_folder);
    const auto lookup = [&c](const char* name) -> const char* {
      const auto it = c.environment.find(name);
      return it == c.environment.end() ? nullptr : it->second.c_str();
    };
    const ProgramFolders folders = ChooseFolders(c.program_folder, lookup);
    EXPECT_EQ(c.settings, folders.settings);
    EXPECT_EQ(c.data, folders.data);
  }
}

TEST(Folders, EnsureFolderAndFilePaths) {
  test::ScratchFolder scratch;
  const std::string nested = scratch.File("one/two/tractwise");
  EXPECT_TRUE(EnsureFolder(nested));
  EXPECT_TRUE(std::filesystem::is_directory(nested));
  EXPECT_TRUE(EnsureFolder(nested));  // already there
  EXPECT_EQ(nested + "/Quadrell.ini", SettingsFilePath({nested, "/b/data"}));
  EXPECT_EQ("/b/data/report.txt", ReportFilePath({nested, "/b/data"}));

  const std::string blocker = scratch.File("blocker");
  test::WriteBytes(blocker, "x");
  EXPECT_FALSE(EnsureFolder(blocker + "/tractwise"));
  EXPECT_FALSE(EnsureFolder(blocker));
  EXPECT_EQ("x", test::ReadBytes(blocker));
}

}  // namespace
}  // namespace tw
