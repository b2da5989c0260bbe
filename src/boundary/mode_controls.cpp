#include "boundary/mode_controls.h"

#include "base/entry_mode.h"
#include "base/units.h"

namespace tw {

ModeControls UpdateUnitMenus(ModeControls c, size_t entry_count, std::string_view unit_abbrev,
                             std::string_view entry_mode) {
  const UnitRecord* unit = UnitRecordFor(unit_abbrev);
  if (entry_count == 0) {
    // The check marks stay: they still show the system in force.
    c.mnuSetImperial.enabled = true;
    c.mnuSetMetric.enabled = true;
  } else if (unit) {
    const bool imperial = unit->system == UnitSystem::Imperial;
    c.mnuSetImperial = {imperial, imperial};
    c.mnuSetMetric = {!imperial, !imperial};
  }
  // Point entries carry no unit, so the system may change under them.
  if (IsPointMode(entry_mode)) {
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
