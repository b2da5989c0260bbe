#include "closure/adjusted_files.h"

#include "boundary/entry.h"
#include "boundary/numbers.h"
#include "closure/closure_forms.h"
#include "formats/point_file.h"
#include "formats/project_file.h"
#include "formats/text_lines.h"
#include "settings/unit_system.h"

namespace tw {

std::vector<PlanePoint> AdjustedFileCorners(const Adjustment& adjustment) {
  std::vector<PlanePoint> corners;
  if (adjustment.corners.empty())
    return corners;
  corners.reserve(adjustment.corners.size());
  corners.push_back({});
  for (size_t k = 0; k + 1 < adjustment.corners.size(); ++k) {
    const PlanePoint& c = adjustment.corners[k];
    corners.push_back({RoundToFourDecimals(c.east), RoundToFourDecimals(c.north)});
  }
  return corners;
}

std::string AdjustedProjectBytes(const Adjustment& adjustment, std::string_view unit) {
  ProgramState state;
  state.UnitAbbrev = unit;
  state.EntryMode = ModeText(ModeOption::Point);
  std::vector<std::string> entries;
  for (const PlanePoint& c : AdjustedFileCorners(adjustment))
    entries.push_back(ComposePointEntry(PlainForm(c.east), PlainForm(c.north)));
  return ProjectFileBytes(state, entries);
}

std::string AdjustedPointBytes(const Adjustment& adjustment) {
  const std::vector<PlanePoint> corners = AdjustedFileCorners(adjustment);
  std::string out;
  for (size_t k = 0; k < corners.size(); ++k)
    AppendLine(out, CornerLine(k + 1, corners[k].north, corners[k].east));
  return out;
}

}  // namespace tw
