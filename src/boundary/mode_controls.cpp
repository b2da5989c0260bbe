#include "boundary/mode_controls.h"

namespace tw {

ModeControls UpdateUnitMenus(ModeControls c, size_t entry_count, std::string_view unit_abbrev,
                             std::string_view entry_mode) {
  if (entry_count == 0) {
    // The check marks stay: they still show the system in force.
    c.mnuSetImperial.enabled = true;
    c.mnuSetMetric.enabled = true;
  } else if (unit_abbrev == "LF") {
    c.mnuSetImperial = {true, true};
    c.mnuSetMetric = {false, false};
  } else if (unit_abbrev == "m.") {
    c.mnuSetImperial = {false, false};
    c.mnuSetMetric = {true, true};
  }
  // Point entries carry no unit, so the system may change under them.
  if (entry_mode == "Point") {
    c.mnuSetImperial.enabled = true;
    c.mnuSetMetric.enabled = true;
  }
  return c;
}

ModeControls LockModeControls(ModeControls c, size_t entry_count) {
  if (entry_count == 0)
    return c;
  // Three independent checks: with a stale option state more than one may
  // apply, and then each takes its effect.
  if (c.optPoint.checked) {
    c.optSurveyor.enabled = false;
    c.optCarpenter.enabled = false;
    c.mnuSetSurveyor.enabled = false;
    c.mnuSetCarpenter.enabled = false;
  }
  if (c.optCarpenter.checked || c.optSurveyor.checked) {
    c.optPoint.enabled = false;
    c.mnuSetPoint.enabled = false;
  }
  return c;
}

ModeControls UnlockModeControls(ModeControls c, size_t entry_count) {
  if (entry_count != 0)
    return c;
  for (ControlState* s : {&c.optSurveyor, &c.optCarpenter, &c.optPoint, &c.mnuSetPoint,
                          &c.mnuSetSurveyor, &c.mnuSetCarpenter}) {
    s->enabled = true;
  }
  return c;
}

}  // namespace tw
