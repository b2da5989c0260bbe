// Which mode and unit controls of the main window may be used, as pure
// functions from what the boundary holds to the states to apply.
#pragma once

#include <cstddef>
#include <string_view>

namespace tw {

struct ControlState {
  bool enabled = true;
  bool checked = false;  // an option's value, a menu item's check mark
  bool operator==(const ControlState&) const = default;
};

struct ModeControls {
  ControlState optSurveyor, optCarpenter, optPoint;
  ControlState mnuSetSurveyor, mnuSetCarpenter, mnuSetPoint;
  ControlState mnuSetImperial, mnuSetMetric;
  bool operator==(const ModeControls&) const = default;
};

// Leaves only the unit system of a bearing list enabled; both stay enabled in
// Point mode, where entries carry no unit.
ModeControls UpdateUnitMenus(ModeControls c, size_t entry_count, std::string_view unit_abbrev,
                             std::string_view entry_mode);

// Disables the modes that may not be mixed with a non-empty list, by which
// mode option is down.
ModeControls LockModeControls(ModeControls c, size_t entry_count);

// Enables every mode control again once the list is empty.
ModeControls UnlockModeControls(ModeControls c, size_t entry_count);

}  // namespace tw
