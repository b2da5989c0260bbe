#include "boundary/mode_option.h"

namespace tw {

ModeControls PressModeOption(ModeControls c, ModeOption mode) {
  const bool surveyor = mode == ModeOption::Surveyor;
  const bool carpenter = mode == ModeOption::Carpenter;
  const bool point = mode == ModeOption::Point;
  c.optSurveyor.checked = c.mnuSetSurveyor.checked = surveyor;
  c.optCarpenter.checked = c.mnuSetCarpenter.checked = carpenter;
  c.optPoint.checked = c.mnuSetPoint.checked = point;
  return c;
}

ModeControls RelockModeControls(ModeControls c, size_t entry_count) {
  return LockModeControls(UnlockModeControls(c, 0), entry_count);
}

}  // namespace tw
