// The View menu's remembered choices: EQUALSCALES and LABELS in [SETTINGS].
#pragma once

#include <string>

namespace tw {

struct ViewSettings {
  bool equal_scales = true;  // on unless stored as "0"
  bool labels = false;       // off unless stored as "1"
};

ViewSettings ReadViewSettings(const std::string& settings_path);

// Each writes its one key as "1" or "0", every other line left as it is.
void StoreEqualScales(bool on, const std::string& settings_path);
void StoreLabels(bool on, const std::string& settings_path);

}  // namespace tw
