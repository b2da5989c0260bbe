// The boundary report: the lines (bearing modes), the corner list, the
// closure and the area in square units and acres or hectares.
//
// The layout is chosen by EntryMode ("Point" or not, compared exactly); the
// area lines are written only for the units "LF" and "m.". Windows-1252
// bytes, CR LF after every line.
#pragma once

#include <string>

#include "base/result.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "geometry/traverse.h"

namespace tw {

// The corner list of the bearing layout starts at (0, 0) whatever the first
// point holds. Reading the area leaves the last entry selected. Fails, naming
// the entry, when an entry cannot be read under EntryMode. An empty list gives
// a report of no lines, which the command never writes.
Result<std::string> BoundaryReportBytes(EntryList& entries, const ProgramState& state);

// The report's entries and corner list, in EntryMode's layout, appended to
// `out`, and the sums of those corners: the closure the report prints, and
// its area but in a file whose mode contradicts its entry 0.
Result<CornerSums> AppendReportCorners(std::string& out, const EntryTexts& entries,
                                       const ProgramState& state);

}  // namespace tw
