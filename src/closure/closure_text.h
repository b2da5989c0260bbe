// The closure analysis as text: what `quadrell-batch closure` prints and the
// window's Copy puts on the clipboard.
#pragma once

#include <string>
#include <string_view>

#include "closure/closure_analysis.h"

namespace tw {

inline constexpr const char* kPointListCloses = "Misclosure: none (point list)";

// UTF-8 with LF line ends. `title` is the project's file name (as the file
// system has it: a name that is not UTF-8 shows as the messages show it) and
// `unit` the UnitAbbrev as held (Windows-1252); entries are converted to
// UTF-8. An adjustment that failed prints its message in place of the lines.
std::string ClosureText(const ClosureAnalysis& analysis, std::string_view title,
                        std::string_view unit);

// The figures of that text alone, from "Lines:" to "Area:": what the window
// shows at the top of its analysis.
std::string ClosureFiguresText(const ClosureAnalysis& analysis, std::string_view unit);

}  // namespace tw
