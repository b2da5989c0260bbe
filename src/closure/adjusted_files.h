// The adjusted boundary as files: a Point-mode project file and a point
// export of the adjusted corners 0 to n - 1 (corner n is the start again).
#pragma once

#include <string>
#include <string_view>

#include "closure/adjustment.h"

namespace tw {

// Both files hold corners 0 to n - 1, each value rounded half away from zero
// to four decimals.

// ":1.1.2", ":X,Y,UNIT,Point" with the start, then "E , N" per corner in the
// plain number form; Windows-1252, CR LF.
std::string AdjustedProjectBytes(const Adjustment& adjustment, std::string_view unit);

// The point export's lines " k, N, E" for the same corners.
std::string AdjustedPointBytes(const Adjustment& adjustment);

}  // namespace tw
