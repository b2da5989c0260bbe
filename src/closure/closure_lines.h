// The closure's figure lines and blunder findings in Windows-1252, as the
// closure text (in UTF-8), the closure window and the plat print them.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/numbers.h"
#include "closure/closure_analysis.h"

namespace tw {

// "4158.3347 sq ft (0.0955 acres)", or the unit as held.
std::string AreaFigure(double area, std::string_view unit);

// "Area: " and the area figure.
std::string AreaLine(double area, std::string_view unit);

// A bearing list's verdict: "Misclosure: 0.4210 towards S 46°54'36.6\" W",
// "Precision: 1:635" and "Standard: 1:10000 not met", the ratios grouped as
// `groups` says.
std::vector<std::string> VerdictLines(const ClosureAnalysis& analysis, DigitGroups groups);

// "Line 2: ENTRY -> CORRECTED (kind), precision after P"; parallel lines as
// "Line 4 or 6: ENTRY4 -> CORRECTED4 | ENTRY6 -> CORRECTED6 (kind), ...", a
// fitted value as "(possible wrong distance, 3.5000 longer)".
std::string FindingLine(const BlunderFinding& finding);

// Said when the search found nothing and the misclosure is small enough for
// random error.
inline constexpr const char* kAccumulatedError =
    "no single mistake explains this misclosure; it looks like accumulated error";

// "A course may be missing: N 12°34'56.0" E 123.4500 (between any two
// corners)": the course that would close the traverse.
std::string MissingCourseLine(const ClosureFigures& figures);

// "The standard 1:10,000 is not met; the adjustment spreads a misclosure of
// 17.4021 LF over 5 lines": said before an adjustment of a traverse that
// falls short of its standard.
std::string StandardNotMetLine(const ClosureAnalysis& analysis, DigitGroups groups,
                               std::string_view unit);

// "Largest length change: 612.3456 LF longer (line 2)".
std::string LargestChangeLine(const LengthChange& change, std::string_view unit);

// "A length changed by more than 10 times the misclosure: the traverse is
// too weakly shaped for Crandall; Compass suits it better".
std::string WeakShapeLine();

// Whether the Crandall adjustment made changed a length past the guard.
bool CrandallTooWeak(const ClosureAnalysis& analysis);

enum class ChangeShown { Always, WhenTooWeak };

// What is said above an adjustment made: StandardNotMetLine when the
// standard is not met, then for Crandall its LargestChangeLine (as `shown`
// says) and WeakShapeLine where the change is past the guard. Nothing for no
// adjustment or one that failed.
std::vector<std::string> AdjustmentNotes(const ClosureAnalysis& analysis, DigitGroups groups,
                                         std::string_view unit, ChangeShown shown);

}  // namespace tw
