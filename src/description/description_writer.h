// Writing a boundary as a metes-and-bounds description: one call per entry,
// a point list by the bearings and distances between its corners, and after
// the text the closure of the calls as printed, since their rounding is what
// a reader of the description will recompute.
#pragma once

#include <string>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "boundary/program_state.h"

namespace tw {

struct DescribeOptions {
  bool words = false;     // "45 degrees 30 minutes" rather than 45°30'
  int decimals = 2;       // of every distance
  std::string beginning;  // the point of beginning's name; empty: its coordinates
};

inline constexpr int kMostDescribeDecimals = 6;

// The description in UTF-8 with LF line ends. Fails, naming the entry, when an
// entry cannot be read.
Result<std::string> DescribeBoundary(const EntryTexts& entries, const ProgramState& state,
                                     const DescribeOptions& options);

}  // namespace tw
