// The closure analysis of the whole entry list: the figures, the area, the
// chosen adjustment and the blunder findings, as the window and the batch
// tool show them.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/result.h"
#include "boundary/entry.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "closure/adjustment.h"
#include "closure/blunders.h"
#include "closure/closure_figures.h"
#include "closure/traverse_lines.h"
#include "geometry/bearing_forms.h"
#include "settings/standard_setting.h"

namespace tw {

inline constexpr const char* kPointListNotAdjusted =
    "A point list closes by definition: there is nothing to adjust";

struct ClosureOptions {
  int standard = kDefaultStandard;
  std::optional<AdjustMethod> method;  // none: no adjustment
  bool find_blunders = true;           // searched only when the standard is not met
};

struct ClosureAnalysis {
  EntryKind kind = EntryKind::Angle;  // by entry 0, as the area reads it
  size_t count = 0;                   // entries
  double perimeter = 0;               // a point list's includes the closing side
  double area = 0;                    // the program's own area
  int standard = kDefaultStandard;

  // A bearing list only; a point list closes by definition.
  PlanePoint start;  // its first corner: the project's start, as the exports place it
  std::vector<TraverseLine> lines;
  // The direction entered for each line of no length, which its offsets
  // cannot show: the line's index and the direction angle, in line order.
  std::vector<std::pair<size_t, double>> no_length_directions;
  ClosureFigures figures;
  bool standard_met = true;
  std::optional<AdjustMethod> method;
  std::optional<Result<Adjustment>> adjustment;  // with a method
  bool blunders_searched = false;
  std::vector<BlunderFinding> blunders;
  // Searched, nothing found, and the misclosure too large for random error.
  bool course_may_be_missing = false;
};

// The bearing shown for line i, or for its adjustment, of offsets (east,
// north): theirs, or where they are nothing, the line's own, or where the
// line has no length, the bearing entered.
std::string LineBearingForm(const ClosureAnalysis& analysis, size_t i, double east, double north);
// The quadrant bearing that form shows.
QuadrantAngle LineQuadrant(const ClosureAnalysis& analysis, size_t i, double east, double north);

// Fails with the program's unreadable-entry message. An empty list analyses
// as a closed boundary of no lines.
Result<ClosureAnalysis> AnalyseClosure(const EntryList& entries, const ProgramState& state,
                                       const ClosureOptions& options);

}  // namespace tw
