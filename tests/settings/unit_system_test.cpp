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
    EXPECT_EQ(labels.lblCarpDistMajor, LabelsOf(c.system).lblCarpDistMajor);
  }
}

TEST(UnitSystem, SettingsFolderIsMadeOnTheFirstWrite) {
  ScratchFolder folder;
  const std::string path = (folder.path() / "config" / "tractwise" / "Quadrell.ini").string();
  StoreMode(ModeOption::Carpenter, path);
  EXPECT_EQ("[SETTINGS]\r\nMODE=Carpenter\r\n", ReadBytes(path));
}

TEST(UnitSystem, FailedWriteGoesUnnoticedAndTheChoiceHolds) {
  ScratchFolder folder;
  test::WriteBytes(folder.File("blocker"), "a file, not a folder");
  const std::string path = folder.File("blocker") + "/Quadrell.ini";
  ProgramState state;
  ModeControls controls;
  const CarpenterLabels labels = SetMetricUnits(state, controls, path);
  EXPECT_EQ("m.", state.UnitAbbrev);
  EXPECT_EQ("Meters", labels.lblCarpDistMajor);
  EXPECT_TRUE(controls.mnuSetMetric.checked);
}

TEST(MainCaption, TitleAndVersion) {
  EXPECT_EQ("Quadrell    - Version 1.1.2", MainCaption());
}

TEST(StoredSettings, TextsAreComparedExactly) {
  struct ModeCase {
    const char* text;
    std::optional<ModeOption> mode;
  };
  const ModeCase modes[] = {
      {"Surveyor", ModeOption::Surveyor},
      {"Carpenter", ModeOption::Carpenter},
      {"Point", ModeOption::Point},
      {"point", std::nullopt},
      {"POINT", std::nullopt},
      {"Point ", std::nullopt},
      {"Surveyo", std::nullopt},
      {"", std::nullopt},
  };
  for (const ModeCase& c : modes)
    EXPECT_EQ(c.mode, ModeFromText(c.text)) << c.text;
  for (ModeOption m : {ModeOption::Surveyor, ModeOption::Carpenter, ModeOption::Point})
    EXPECT_EQ(m, ModeFromText(ModeText(m)));

  struct SystemCase {
    const char* text;
    std::optional<UnitSystem> system;
  };
  const SystemCase systems[] = {
      {"US Imperial", UnitSystem::Imperial},
      {"SI Metric", UnitSystem::Metric},
      {"si metric", std::nullopt},
      {"US  Imperial", std::nullopt},
      {"Imperial", std::nullopt},
      {"", std::nullopt},
  };
  for (const SystemCase& c : systems)
    EXPECT_EQ(c.system, UnitSystemFromText(c.text)) << c.text;
}

TEST(StoredSettings, ReadFromTheFile) {
  struct Case {
    const char* file;  // nullptr: no file
    std::optional<ModeOption> mode;
    std::optional<UnitSystem> system;
  };
  const Case cases[] = {
      {nullptr, std::nullopt, std::nullopt},
      {"[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n", ModeOption::Point, UnitSystem::Metric},
      {"[SETTINGS]\r\nSYSTEM=US Imperial\r\nMODE=Carpenter\r\n", ModeOption::Carpenter,
       UnitSystem::Imperial},
      {"[SETTINGS]\r\nMODE=point\r\n", std::nullopt, std::nullopt},
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
