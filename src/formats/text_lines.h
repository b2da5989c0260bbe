// The lines of the program's text files.
//
// Every line the program writes ends in CR LF, the last one included;
// reading splits lines as boundary/text.h does.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "base/text.h"

namespace tw {

// Whether the text starts with the UTF-8 byte-order mark, with which some
// editors save a text file.
bool StartsWithUtf8Mark(std::string_view bytes);

// A text file that starts with the mark in the program's Windows-1252: the
// mark dropped and the UTF-8 converted. Fails with "line N cannot be read
// (not a Windows-1252 character)" at the first character the code page lacks,
// or "(not UTF-8)" where the bytes are not UTF-8, N counted as SplitLines
// counts lines.
Result<std::string> Utf8FileText(std::string_view bytes);

// Appends the line and CR LF.
void AppendLine(std::string& out, std::string_view line);

}  // namespace tw
