// The lines of the program's text files.
//
// Every line the program writes ends in CR LF, the last one included.
// Reading also takes a lone CR and a lone LF as a line end, because files
// arrive from other systems.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "boundary/result.h"

namespace tw {

// Whether the text starts with the UTF-8 byte-order mark, with which some
// editors save a text file.
bool StartsWithUtf8Mark(std::string_view bytes);

// A text file that starts with the mark in the program's Windows-1252: the
// mark dropped and the UTF-8 converted. Fails with "line N cannot be read
// (not a Windows-1252 character)" at the first character the code page lacks
// (or that is not UTF-8), N counted as SplitLines counts lines.
Result<std::string> Utf8FileText(std::string_view bytes);

// Walks the lines of a text one by one, without their ends, with the same
// rule as SplitLines; the views point into the text.
class LineCursor {
 public:
  explicit LineCursor(std::string_view bytes) : rest_(bytes) {}
  // The next line, or false at the end of the text.
  bool Next(std::string_view& line);
  // The number of the line Next gave last, counted from 1.
  size_t LineNumber() const { return number_; }

 private:
  std::string_view rest_;
  size_t number_ = 0;
};

// The lines of a text, without their ends. A line end at the very end of the
// text does not start another line: "a\r\n" is one line, "" none, "\r\n"
// one empty line. The views point into bytes.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// Appends the line and CR LF.
void AppendLine(std::string& out, std::string_view line);

}  // namespace tw
