#include "settings/unit_system.h"

#include <filesystem>

#include "base/version.h"
#include "ports/message_box.h"
#include "settings/folders.h"
#include "settings/ini_file.h"

namespace tw {
namespace {

constexpr std::string_view kSection = "SETTINGS";
constexpr std::string_view kModeKey = "MODE";
constexpr std::string_view kSystemKey = "SYSTEM";

// The settings folder may be the user's configuration folder, which need not
// exist before the first choice is stored. A failed write goes unnoticed: the
// choice still holds for this run.
void StoreSetting(std::string_view key, std::string_view value, const std::string& settings_path) {
  const std::filesystem::path folder = std::filesystem::path(settings_path).parent_path();
  if (!folder.empty())
    EnsureFolder(folder.string());
  WriteIniString(kSection, key, value, settings_path);
}

}  // namespace

CarpenterLabels LabelsOf(UnitSystem system) {
  const UnitRecord& r = UnitRecordOf(system);
  return {std::string(r.major_label), std::string(r.minor_label)};
}

CarpenterLabels SetUnits(UnitSystem system, ProgramState& state, ModeControls& controls,
                         const std::string& settings_path) {
  const UnitRecord& r = UnitRecordOf(system);
  state.UnitAbbrev = r.abbrev;
  StoreSetting(kSystemKey, r.stored, settings_path);
  controls.mnuSetImperial.checked = system == UnitSystem::Imperial;
  controls.mnuSetMetric.checked = system == UnitSystem::Metric;
  return LabelsOf(system);
}

CarpenterLabels SetImperialUnits(ProgramState& state, ModeControls& controls,
                                 const std::string& settings_path) {
  return SetUnits(UnitSystem::Imperial, state, controls, settings_path);
}

CarpenterLabels SetMetricUnits(ProgramState& state, ModeControls& controls,
                               const std::string& settings_path) {
  return SetUnits(UnitSystem::Metric, state, controls, settings_path);
}

std::string MainCaption() {
  return std::string(kProgramTitle) + "    - Version " + kVersionText;
}

void StoreMode(ModeOption mode, const std::string& settings_path) {
  StoreSetting(kModeKey, ModeText(mode), settings_path);
}

std::optional<UnitSystem> UnitSystemFromText(std::string_view text) {
  for (const UnitRecord& r : kUnitSystems)
    if (text == r.stored)
      return r.system;
  return std::nullopt;
}

StoredSettings ReadStoredSettings(const std::string& settings_path) {
  const std::string mode = ReadIniString(kSection, kModeKey, settings_path);
  const std::string system = ReadIniString(kSection, kSystemKey, settings_path);
  return {ModeFromText(mode), UnitSystemFromText(system)};
}

}  // namespace tw
