// The two unit systems, and the settings the program remembers between runs
// (entry mode and unit system) with how they are applied at start-up.
//
// The window owns the widgets; these functions own every rule. A switch
// changes the program state and the menu checks in place and returns the two
// Carpenter label captions for the window to show.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "base/entry_mode.h"
#include "base/units.h"
#include "boundary/mode_controls.h"
#include "boundary/program_state.h"

namespace tw {

// The captions of lblCarpDistMajor and lblCarpDistMinor.
struct CarpenterLabels {
  std::string lblCarpDistMajor;  // "Feet" or "Meters"
  std::string lblCarpDistMinor;  // "Inches" or "Centimeters"
};

// UnitAbbrev "LF", labels "Feet"/"Inches", SYSTEM=US Imperial written to the
// settings file, mnuSetImperial checked and mnuSetMetric unchecked. Converts
// nothing already entered; the enabled states are left to UpdateUnitMenus.
// A failed write is not noticed: the choice holds for this run.
CarpenterLabels SetImperialUnits(ProgramState& state, ModeControls& controls,
                                 const std::string& settings_path);

// The same with "m.", "Meters"/"Centimeters", "SI Metric" and mnuSetMetric.
CarpenterLabels SetMetricUnits(ProgramState& state, ModeControls& controls,
                               const std::string& settings_path);

// Runs SetImperialUnits or SetMetricUnits.
CarpenterLabels SetUnits(UnitSystem system, ProgramState& state, ModeControls& controls,
                         const std::string& settings_path);

// The labels of a unit system, without switching to it.
CarpenterLabels LabelsOf(UnitSystem system);

// Writes MODE into the settings file, as a mode option's click does.
void StoreMode(ModeOption mode, const std::string& settings_path);

// Exact, case-sensitive: "US Imperial", "SI Metric"; anything else is nullopt
// and applies nothing.
std::optional<UnitSystem> UnitSystemFromText(std::string_view text);

// What start-up applies, read from the settings file (MODE first, then
// SYSTEM). The window runs the mode option's click handler for mode, then
// SetUnits for system; nullopt means leave the design-time state alone.
struct StoredSettings {
  std::optional<ModeOption> mode;
  std::optional<UnitSystem> system;
};
StoredSettings ReadStoredSettings(const std::string& settings_path);

}  // namespace tw
