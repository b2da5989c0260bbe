// The DXF drawing of the DXF export: a header naming release 12 ("AC1009")
// and one entity per entry on layer "0", chained corner to corner: a LINE,
// or an ARC for a curve. Group codes and numbers are written in the print
// number form (" 10 ").
#pragma once

#include <string>
#include <vector>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "boundary/program_state.h"

namespace tw {

inline constexpr const char* kDxfFilter = "DXF file (*.dxf)|*.dxf|";

// The first entity starts at (FirstPointX, FirstPointY); for a point list that
// is the first point, so the first LINE has zero length. No LINE closes the
// boundary. Fails, naming the entry, when an entry cannot be read under
// EntryMode.
Result<std::string> DxfFileBytes(const EntryTexts& entries, const ProgramState& state);

}  // namespace tw
