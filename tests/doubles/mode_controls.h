// The eight mode and unit controls as a command test expects them: every
// state it leaves stated, and a failure printing each control by name.
#pragma once

#include <ostream>

#include "boundary/mode_controls.h"

namespace tw {

// Found by GoogleTest for its failure messages.
inline void PrintTo(const ModeControls& c, std::ostream* out) {
  const auto state = [&](const char* name, const ControlState& s) {
    *out << ' ' << name << (s.enabled ? "" : " disabled") << (s.checked ? " checked" : "") << ';';
  };
  state("optSurveyor", c.optSurveyor);
  state("optCarpenter", c.optCarpenter);
  state("optPoint", c.optPoint);
  state("mnuSetSurveyor", c.mnuSetSurveyor);
  state("mnuSetCarpenter", c.mnuSetCarpenter);
  state("mnuSetPoint", c.mnuSetPoint);
  state("mnuSetImperial", c.mnuSetImperial);
  state("mnuSetMetric", c.mnuSetMetric);
}

namespace test {

// The states the commands leave a control in. An expected set is written in
// the order ModeControls declares: the Surveyor, Carpenter and Point options,
// the same three menu items, then the Imperial and Metric items.
inline constexpr ControlState kFree{true, false};
inline constexpr ControlState kDown{true, true};  // an option down, a menu item checked
inline constexpr ControlState kLocked{false, false};

}  // namespace test
}  // namespace tw
