#include "settings/unit_system.h"

#include <filesystem>

#include "boundary/ports/message_box.h"
#include "boundary/version.h"
#include "settings/folders.h"
#include "settings/ini_file.h"

namespace tw {
namespace {

constexpr std::string_view kSection = "SETTINGS";
constexpr std::string_view kModeKey = "MODE";
constexpr std::string_view kSystemKey = "SYSTEM";

struct UnitSystemRecord {
  std::string_view unit_abbrev;
  std::string_view stored;  // the SYSTEM value
  std::string_view major_label;
  std::string_view minor_label;
};

constexpr UnitSystemRecord kImperial{"LF", "US Imperial", "Feet", "Inches"};
constexpr UnitSystemRecord kMetric{"m.", "SI Metric", "Meters", "Centimeters"};

const UnitSystemRecord& RecordOf(UnitSystem system) {
  return system == UnitSystem::Imperial ? kImperial : kMetric;
}

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
  const UnitSystemRecord& r = RecordOf(system);
  return {std::string(r.major_label), std::string(r.minor_label)};
}

CarpenterLabels SetUnits(UnitSystem system, ProgramState& state, ModeControls& controls,
                         const std::string& settings_path) {
  const UnitSystemRecord& r = RecordOf(system);
  state.UnitAbbrev = r.unit_abbrev;
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
  return std::string(kProgramTitle) + "    - Version " + std::to_string(kVersionMajor) + "." +
         std::to_string(kVersionMinor) + "." + std::to_string(kVersionRevision);
}

std::string_view ModeText(ModeOption mode) {
  switch (mode) {
    case ModeOption::Surveyor:
      return "Surveyor";
    case ModeOption::Carpenter:
      return "Carpenter";
    case ModeOption::Point:
      return "Point";
  }
  return "Surveyor";
}

void StoreMode(ModeOption mode, const std::string& settings_path) {
  StoreSetting(kModeKey, ModeText(mode), settings_path);
}

std::optional<ModeOption> ModeFromText(std::string_view text) {
  for (ModeOption mode : {ModeOption::Surveyor, ModeOption::Carpenter, ModeOption::Point})
    if (text == ModeText(mode))
      return mode;
  return std::nullopt;
}

std::optional<UnitSystem> UnitSystemFromText(std::string_view text) {
  for (UnitSystem system : {UnitSystem::Imperial, UnitSystem::Metric})
    if (text == RecordOf(system).stored)
      return system;
  return std::nullopt;
}

StoredSettings ReadStoredSettings(const std::string& settings_path) {
  const std::string mode = ReadIniString(kSection, kModeKey, settings_path);
  const std::string system = ReadIniString(kSection, kSystemKey, settings_path);
  return {ModeFromText(mode), UnitSystemFromText(system)};
}

}  // namespace tw
