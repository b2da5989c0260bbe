#include "settings/ini_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "doubles/golden.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

TEST(IniFile, Writes) {
  struct Case {
    const char* before;                                       // nullptr: no file
    std::vector<std::pair<const char*, const char*>> writes;  // key, value into "SETTINGS"
    const char* after;
  };
  const Case cases[] = {
      // A first file; an existing key is updated in place; keys keep their
      // first-written order.
      {"[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n",
       {{"MODE", "Carpenter"}},
       "[SETTINGS]\r\nMODE=Carpenter\r\nSYSTEM=SI Metric\r\n"},
      {nullptr,
       {{"SYSTEM", "SI Metric"}, {"MODE", "Point"}, {"SYSTEM", "US Imperial"}},
       "[SETTINGS]\r\nSYSTEM=US Imperial\r\nMODE=Point\r\n"},
      // Names match whatever their case and keep the spelling they have.
      {"[settings]\r\nmode=Point\r\n", {{"MODE", "Surveyor"}}, "[settings]\r\nmode=Surveyor\r\n"},
      // Other sections and keys stay; a new key goes below the section's last key.
      {"[Other]\r\nA=1\r\n\r\n[SETTINGS]\r\nMODE=Point\r\n\r\n[Last]\r\nB=2\r\n",
       {{"SYSTEM", "SI Metric"}},
       "[Other]\r\nA=1\r\n\r\n[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI "
       "Metric\r\n\r\n[Last]\r\nB=2\r\n"},
      // The same key in another section is a different key.
      {"[Other]\r\nMODE=x\r\n[SETTINGS]\r\n",
       {{"MODE", "Point"}},
       "[Other]\r\nMODE=x\r\n[SETTINGS]\r\nMODE=Point\r\n"},
      // Whatever the line ends were, the file is written with CR LF.
      {"[SETTINGS]\nMODE=Point\rSYSTEM=SI Metric",
       {{"MODE", "Point"}},
       "[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before ? c.before : "(no file)");
    ScratchFolder folder;
    const std::string path = folder.File("Quadrell.ini");
    if (c.before)
      WriteBytes(path, c.before);
    for (const auto& [key, value] : c.writes)
      EXPECT_TRUE(WriteIniString("SETTINGS", key, value, path));
    EXPECT_EQ(c.after, ReadBytes(path));
  }
}

TEST(IniFile, Reads) {
  const std::string long_value(300, 'x');
  const std::string file_with_long = "[SETTINGS]\r\nMODE=" + long_value + "\r\n";
  struct Case {
    std::string expected;
    std::string file;
    const char* section;
    const char* key;
  };
  const Case cases[] = {
      {"Point", "[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n", "SETTINGS", "MODE"},
      {"Point", "[SETTINGS]\nMODE=Point", "settings", "mode"},
      {"SI Metric", "[SETTINGS]\rMODE=Point\rSYSTEM=SI Metric\r", "SETTINGS", "SYSTEM"},
      {"Point", " [ SETTINGS ] \r\n  MODE  =  Point  \r\n", "SETTINGS", "MODE"},
      {"SI Metric", "[SETTINGS]\r\nSYSTEM=\"SI Metric\"\r\n", "SETTINGS", "SYSTEM"},
      {"b=c", "[SETTINGS]\r\nMODE=b=c\r\n", "SETTINGS", "MODE"},
      {"\xB0", "[SETTINGS]\r\nMODE=\xB0\r\n", "SETTINGS", "MODE"},
      {long_value.substr(0, 254), file_with_long, "SETTINGS", "MODE"},
      // Missing section, key or value, and keys outside the section, read "".
      {"", "[SETTINGS]\r\nMODE=Point\r\n", "SETTINGS", "SYSTEM"},
      {"", "[SETTINGS]\r\nMODE=Point\r\n", "OTHER", "MODE"},
      {"", "MODE=Point\r\n[SETTINGS]\r\n", "SETTINGS", "MODE"},
      {"", "[SETTINGS]\r\n;MODE=Point\r\n", "SETTINGS", "MODE"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ScratchFolder folder;
    const std::string path = folder.File("Quadrell.ini");
    WriteBytes(path, c.file);
    EXPECT_EQ(c.expected, ReadIniString(c.section, c.key, path));
  }
  ScratchFolder empty;
  EXPECT_EQ("", ReadIniString("SETTINGS", "MODE", empty.File("Quadrell.ini")));
}

TEST(IniFile, FailedWriteKeepsWhatWasThere) {
  ScratchFolder folder;
  const std::string settings = "[SETTINGS]\r\nMODE=Point\r\n";

  // A path whose parent is a regular file cannot be written.
  const std::string blocker = folder.File("blocker");
  WriteBytes(blocker, settings);
  EXPECT_FALSE(WriteIniString("SETTINGS", "MODE", "Surveyor", blocker + "/Quadrell.ini"));
  EXPECT_EQ(settings, ReadBytes(blocker));
  EXPECT_EQ("", ReadIniString("SETTINGS", "MODE", blocker + "/Quadrell.ini"));

  // A folder in the file's place is neither read as settings nor replaced.
  const std::string folder_in_place = folder.File("folder.ini");
  std::filesystem::create_directory(folder_in_place);
  EXPECT_FALSE(WriteIniString("SETTINGS", "MODE", "Surveyor", folder_in_place));
  EXPECT_TRUE(std::filesystem::is_directory(folder_in_place));
  EXPECT_EQ("", ReadIniString("SETTINGS", "MODE", folder_in_place));
}

// Mended fault: settings went through the fixed name "Quadrell.ini.tmp", following a planted link.
TEST(IniFile, WritesThroughTheAtomicWriter) {
  ScratchFolder folder;
  const std::string path = folder.File("Quadrell.ini");
  WriteBytes(folder.File("victim"), "victim");
  std::filesystem::create_symlink(folder.File("victim"), path + ".tmp");
  EXPECT_TRUE(WriteIniString("SETTINGS", "MODE", "Point", path));
  EXPECT_EQ("[SETTINGS]\r\nMODE=Point\r\n", ReadBytes(path));
  EXPECT_EQ("victim", ReadBytes(folder.File("victim")));
  EXPECT_EQ(3, std::distance(std::filesystem::directory_iterator(folder.path()),
                             std::filesystem::directory_iterator{}));
}

}  // namespace
}  // namespace tw
