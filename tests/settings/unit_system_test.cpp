#include "settings/unit_system.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "doubles/golden.h"

namespace tw {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

TEST(UnitSystem, SwitchSetsUnitLabelsChecksAndStoresTheSystem) {
  struct Case {
    UnitSystem system;
    const char* unit;
    const char* major;
    const char* minor;
    bool imperial_checked;
    const char* file;
  };
  const Case cases[] = {
      {UnitSystem::Metric, "m.", "Meters", "Centimeters", false,
       "[SETTINGS]\r\nSYSTEM=SI Metric\r\n"},
      {UnitSystem::Imperial, "LF", "Feet", "Inches", true, "[SETTINGS]\r\nSYSTEM=US Imperial\r\n"},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string path = folder.File("Quadrell.ini");
    ProgramState state;
    state.UnitAbbrev = "xx";
    ModeControls controls;
    controls.mnuSetImperial = {false, !c.imperial_checked};
    controls.mnuSetMetric = {false, c.imperial_checked};
    const CarpenterLabels labels = c.system == UnitSystem::Imperial
                                       ? SetImperialUnits(state, controls, path)
                                       : SetMetricUnits(state, controls, path);
    EXPECT_EQ(c.unit, state.UnitAbbrev);
    EXPECT_EQ(c.major, labels.lblCarpDistMajor);
    EXPECT_EQ(c.minor, labels.lblCarpDistMinor);
    EXPECT_EQ(c.imperial_checked, controls.mnuSetImperial.checked);
    EXPECT_EQ(!c.imperial_checked, controls.mnuSetMetric.checked);
    // Which items may be used is UpdateUnitMenus' business, not the switch's.
    EXPECT_FALSE(controls.mnuSetImperial.enabled);
    EXPECT_FALSE(controls.mnuSetMetric.enabled);
    EXPECT_EQ(c.file, ReadBytes(path));
  }
}

// The settings folder is made on the first write; a write that fails anyway
// goes unnoticed and the choice holds.
TEST(UnitSystem, WritesMakeTheFolderAndFailuresGoUnnoticed) {
  ScratchFolder folder;
  const std::string path = (folder.path() / "config" / "tractwise" / "Quadrell.ini").string();
  StoreMode(ModeOption::Carpenter, path);
  EXPECT_EQ("[SETTINGS]\r\nMODE=Carpenter\r\n", ReadBytes(path));

  WriteBytes(folder.File("blocker"), "a file, not a folder");
  ProgramState state;
  ModeControls controls;
  const CarpenterLabels labels =
      SetMetricUnits(state, controls, folder.File("blocker") + "/Quadrell.ini");
  EXPECT_EQ("m.", state.UnitAbbrev);
  EXPECT_EQ("Meters", labels.lblCarpDistMajor);
  EXPECT_TRUE(controls.mnuSetMetric.checked);
}

TEST(StoredSettings, TextsAreComparedExactly) {
  struct Case {
    std::optional<ModeOption> mode;
    std::optional<UnitSystem> system;
    const char* mode_text;
    const char* system_text;
  };
  const Case cases[] = {
      {ModeOption::Surveyor, UnitSystem::Imperial, "Surveyor", "US Imperial"},
      {ModeOption::Carpenter, UnitSystem::Metric, "Carpenter", "SI Metric"},
      {ModeOption::Point, std::nullopt, "Point", "si metric"},
      {std::nullopt, std::nullopt, "point", "US  Imperial"},
      {std::nullopt, std::nullopt, "Point ", ""},
      {std::nullopt, std::nullopt, "", "Imperial"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.mode, ModeFromText(c.mode_text)) << c.mode_text;
    EXPECT_EQ(c.system, UnitSystemFromText(c.system_text)) << c.system_text;
    if (c.mode) {
      EXPECT_EQ(c.mode_text, ModeText(*c.mode));
    }
  }
}

TEST(StoredSettings, ReadFromTheFile) {
  struct Case {
    const char* file;  // nullptr: no file
    std::optional<ModeOption> mode;
    std::optional<UnitSystem> system;
  };
  const Case cases[] = {
      {nullptr, std::nullopt, std::nullopt},
      {"[SETTINGS]\r\nSYSTEM=US Imperial\r\nMODE=Carpenter\r\n", ModeOption::Carpenter,
       UnitSystem::Imperial},
      {"[Other]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string path = folder.File("Quadrell.ini");
    if (c.file)
      WriteBytes(path, c.file);
    const StoredSettings stored = ReadStoredSettings(path);
    EXPECT_EQ(c.mode, stored.mode) << (c.file ? c.file : "(no file)");
    EXPECT_EQ(c.system, stored.system) << (c.file ? c.file : "(no file)");
  }
}

}  // namespace
}  // namespace tw
