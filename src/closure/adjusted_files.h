// The adjusted boundary as files: a project file and a point export of the
// adjusted corners 0 to n - 1 (corner n is the start again). A boundary
// with curves is written as a Surveyor list, since its corners alone would
// lose every segment.
#pragma once

#include <string>
#include <string_view>

#include "closure/adjustment.h"

namespace tw {

// Both files hold corners 0 to n - 1, each value rounded half away from zero
// to four decimals.

// ":1.1.2", ":X,Y,UNIT,Point" with the start, then "E , N" per corner in the
// plain number form; Windows-1252, CR LF. With curves, ":X,Y,UNIT,Surveyor"
// and a line or curve entry per adjusted line: a line by its bearing to the
// whole second and its length to four decimals, a curve by its radius as
// entered, its chord and its chord bearing in those forms.
std::string AdjustedProjectBytes(const Adjustment& adjustment, std::string_view unit);

// The point export's lines " k, N, E" for the same corners.
std::string AdjustedPointBytes(const Adjustment& adjustment);

}  // namespace tw
