// Walking the list corner by corner, the way the exports read it.
//
// The reading is chosen by EntryMode, not by the entries: a bearing list is
// read in every mode but "Point", and a point list only in "Point" mode. A
// hand-edited project file whose mode contradicts its entries is the only way
// the two disagree, and then the walk stops at the first entry.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "boundary/program_state.h"
#include "geometry/corner_walk.h"

namespace tw {

// The corner after each entry: bearing entries add their offsets to the
// running corner, starting from `start`; point entries are their own X and Y.
// Fails with the one message naming the first entry that cannot be read.
Result<std::vector<PlanePoint>> WalkCorners(const EntryTexts& entries, std::string_view entry_mode,
                                            PlanePoint start);

}  // namespace tw
