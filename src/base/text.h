// Small text rules shared by every reader: ASCII digits and blanks, trimming,
// and lines. Deliberately not <cctype>, which follows the desktop's locale.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tw {

constexpr bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

constexpr bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

// Without leading and trailing blanks (spaces and tabs).
constexpr std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && IsBlank(s.front()))
    s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back()))
    s.remove_suffix(1);
  return s;
}

// The name of a file without its folders: what follows the last "/", or the
// whole path when it has none. A text then names the same file wherever the
// project lies.
constexpr std::string_view FileNameOf(std::string_view path) {
  return path.substr(path.find_last_of('/') + 1);
}

// Walks the lines of a text one by one, without their ends. A line ends in
// CR LF, a lone LF or a lone CR (files arrive from other systems); the views
// point into the text.
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

// The lines of a text, without their ends, as LineCursor walks them. A line
// end at the very end of the text does not start another line: "a\r\n" is one
// line, "" none, "\r\n" one empty line.
std::vector<std::string_view> SplitLines(std::string_view bytes);

// How many lines LineCursor gives, counted without keeping them, so that a
// reader can make room for them all at once.
size_t LineCount(std::string_view bytes);

}  // namespace tw
