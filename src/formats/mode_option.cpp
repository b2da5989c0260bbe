#include "formats/mode_option.h"

namespace tw {

std::optional<ModeControls> PressModeOption(ModeControls c, std::string_view mode) {
  const bool surveyor = mode == "Surveyor";
  const bool carpenter = mode == "Carpenter";
  const bool point = mode == "Point";
  if (!surveyor && !carpenter && !point)
    return std::nullopt;
  c.optSurveyor.checked = c.mnuSetSurveyor.checked = surveyor;
  c.optCarpenter.checked = c.mnuSetCarpenter.checked = carpenter;
  c.optPoint.checked = c.mnuSetPoint.checked = point;
  return c;
}

ModeControls RelockModeControls(ModeControls c, size_t entry_count) {
  return LockModeControls(UnlockModeControls(c, 0), entry_count);
}

}  // namespace tw
