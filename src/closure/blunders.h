// The blunder finder: which single mis-keyed entry most likely spoils the
// closure of a bearing list.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "boundary/entry_texts.h"
#include "closure/blunder_kind.h"
#include "closure/closure_figures.h"
#include "closure/traverse_lines.h"

namespace tw {

struct BlunderLine {
  size_t index = 0;       // the line, counted from 0
  std::string entry;      // as typed, Windows-1252
  std::string corrected;  // the entry that fixes the closure
  BlunderKind kind = BlunderKind::Quadrant;
};

struct BlunderFinding {
  // One line; or parallel lines that each explain the misclosure equally,
  // in line order, since nothing in the figures tells them apart.
  std::vector<BlunderLine> lines;
  BlunderKind kind = BlunderKind::Quadrant;
  // What a fitted value implies: how much longer the distance is (shorter
  // when negative), or how far the bearing turns, in seconds, clockwise.
  double change = 0;
  Precision after;  // of the corrected list, walked whole
};

inline constexpr size_t kMostFindings = 5;

// A finding must leave at most what the standard allows, and at most a fifth
// of the misclosure it removes: a smaller gain is what random error gives
// by chance, on some line, to some slip.
inline constexpr double kExplainsAtLeast = 5;

// A fitted value is listed only when so close a fit would turn up by chance
// on one of the lines at most once in twenty traverses.
inline constexpr double kFitChance = 0.05;

// Past this many times what the standard allows, and past 1:200 however
// loose the standard, a misclosure is no random error; when no single call
// explains it, a whole course may be missing.
inline constexpr double kMissingCourseFactor = 10;
inline constexpr double kMissingCourseRatio = 200;

struct BlunderSearch {
  // Keyed slips undone first, by precision after; then the fitted values.
  std::vector<BlunderFinding> findings;
  bool course_may_be_missing = false;
};

// Tries, on every line, every clean call one keying slip away from what was
// keyed, and fits a distance along and a bearing across the misclosure.
// Only the lines a slip could fix are tried: a slip in the distance keeps
// the line's direction, one in the bearing keeps its length. Two findings
// never give the same corrected call. `lines` and `sums` are those of
// `entries`.
// A curve is tried by CurveTrials; a trial that turns the direction an
// entry ends in turns the chords of the tangent curves that follow it with
// it. `curves` are those of `entries`, in list order.
BlunderSearch FindBlunders(const EntryTexts& entries, const std::vector<TraverseLine>& lines,
                           const TraverseSums& sums, int standard,
                           std::span<const TraverseCurve> curves = {});

}  // namespace tw
