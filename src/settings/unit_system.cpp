#include "settings/unit_system.h"

#include "settings/settings_section.h"

namespace tw {

CarpenterLabels LabelsOf(UnitSystem system) {
  const UnitRecord& r = UnitRecordOf(system);
  return {std::string(r.major_label), std::string(r.minor_label)};
}

CarpenterLabels SetUnits(UnitSystem system, ProgramState& state, ModeControls& controls,
                         const std::string& settings_path) {
  const UnitRecord& r = UnitRecordOf(system);
  state.UnitAbbrev = r.abbrev;
  StoreSetting(SettingKey::System, r.stored, settings_path);
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

void StoreMode(ModeOption mode, const std::string& settings_path) {
  StoreSetting(SettingKey::Mode, ModeText(mode), settings_path);
}

std::optional<UnitSystem> UnitSystemFromText(std::string_view text) {
  for (const UnitRecord& r : kUnitSystems)
    if (text == r.stored)
      return r.system;
  return std::nullopt;
}

StoredSettings ReadStoredSettings(const std::string& settings_path) {
  const std::string mode = ReadSetting(SettingKey::Mode, settings_path);
  const std::string system = ReadSetting(SettingKey::System, settings_path);
  return {ModeFromText(mode), UnitSystemFromText(system)};
}

}  // namespace tw
