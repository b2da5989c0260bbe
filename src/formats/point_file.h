// The point file of the point export: one corner a line, its number k, its
// Northing and its Easting, each in the leading-blank number form and joined
// by "," alone, so the blanks are the numbers' own: " 1, 880.5, 1520.25".
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "boundary/program_state.h"

namespace tw {

inline constexpr const char* kPointFileFilter =
    "Comma separated ASCII file (*.asc)|*.asc|All files (*.*)|*.*|";

// " k, N, E", one corner line (also the report's), and CR LF appended to out.
void AppendCornerLine(std::string& out, size_t k, double north, double east);

// The most bytes `count` corner lines with their CR LF can take.
size_t CornerLinesBound(size_t count);

// A bearing list's corners start from (FirstPointX, FirstPointY), which is not
// itself written. Fails, naming the entry, when an entry cannot be read under
// EntryMode.
Result<std::string> PointFileBytes(const EntryTexts& entries, const ProgramState& state);

}  // namespace tw
