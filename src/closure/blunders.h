// The blunder finder: which single mis-keyed entry most likely spoils the
// closure of a bearing list.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "closure/blunder_kind.h"
#include "closure/closure_figures.h"
#include "closure/traverse_lines.h"

namespace tw {

struct BlunderFinding {
  size_t index = 0;       // the line, counted from 0
  std::string entry;      // as typed, Windows-1252
  std::string corrected;  // the entry that fixes the closure
  BlunderKind kind = BlunderKind::Quadrant;
  Precision after;  // of the corrected list, walked whole
};

inline constexpr size_t kMostFindings = 5;

// Tries every single-entry mistake on every line and lists the corrections
// whose precision reaches the standard: at most five, precision descending,
// then line, then kind. A trial counts only when it differs from the entry,
// keeps degrees <= 90, minutes and seconds <= 60 and whole seconds, and reads
// as an entry; a new distance is written to four decimals at most, with the
// leading blank of a Carpenter entry. Trials are ranked from the sums; the
// precision after is that of the corrected list walked in order.
// `lines` and `sums` are those of `entries`.
std::vector<BlunderFinding> FindBlunders(const EntryTexts& entries,
                                         const std::vector<TraverseLine>& lines,
                                         const TraverseSums& sums, int standard);

class BlunderCache;

// The same findings, with the trials of the entries unchanged since the
// cache last saw the list taken from it; the cache is brought up to date.
std::vector<BlunderFinding> FindBlunders(const EntryTexts& entries,
                                         const std::vector<TraverseLine>& lines,
                                         const TraverseSums& sums, int standard,
                                         BlunderCache& cache);

}  // namespace tw
