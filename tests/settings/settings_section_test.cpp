#include "settings/settings_section.h"

#include <gtest/gtest.h>

#include <string>

#include "doubles/golden.h"
#include "settings/standard_setting.h"
#include "settings/view_settings.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

// The names are the file's, read by every earlier version; each store makes
// the folder the file goes in, as the user's configuration folder may not
// exist yet.
TEST(SettingsSection, EachStoreMakesTheFolderAndKeepsTheName) {
  struct Case {
    void (*store)(const std::string& path);
    const char* file;
  };
  const Case cases[] = {
      {[](const std::string& p) { StoreSetting(SettingKey::Mode, "Point", p); },
       "[SETTINGS]\r\nMODE=Point\r\n"},
      {[](const std::string& p) { StoreSetting(SettingKey::System, "SI Metric", p); },
       "[SETTINGS]\r\nSYSTEM=SI Metric\r\n"},
      {[](const std::string& p) { StoreStandard(12500, p); }, "[SETTINGS]\r\nSTANDARD=12500\r\n"},
      {[](const std::string& p) { StoreEqualScales(false, p); }, "[SETTINGS]\r\nEQUALSCALES=0\r\n"},
      {[](const std::string& p) { StoreLabels(true, p); }, "[SETTINGS]\r\nLABELS=1\r\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ScratchFolder folder;
    const std::string path = folder.File("config/tractwise/Quadrell.ini");
    c.store(path);
    EXPECT_EQ(ReadBytes(path), c.file);
  }
}

// Equal scales stay on unless stored as "0"; labels stay off unless "1".
TEST(SettingsSection, ViewSettingsDefaults) {
  struct Case {
    const char* file;
    bool equal_scales;
    bool labels;
  };
  const Case cases[] = {
      {"", true, false},
      {"[SETTINGS]\r\nEQUALSCALES=0\r\nLABELS=1\r\n", false, true},
      {"[SETTINGS]\r\nEQUALSCALES=1\r\nLABELS=0\r\n", true, false},
      {"[SETTINGS]\r\nEQUALSCALES=no\r\nLABELS=yes\r\n", true, false},
      {"[OTHER]\r\nEQUALSCALES=0\r\nLABELS=1\r\n", true, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    ScratchFolder folder;
    const std::string path = folder.File("Quadrell.ini");
    if (*c.file)
      WriteBytes(path, c.file);
    const ViewSettings v = ReadViewSettings(path);
    EXPECT_EQ(v.equal_scales, c.equal_scales);
    EXPECT_EQ(v.labels, c.labels);
  }
}

}  // namespace
}  // namespace tw
