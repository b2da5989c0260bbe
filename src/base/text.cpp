#include "base/text.h"

namespace tw {

bool LineCursor::Next(std::string_view& line) {
  if (rest_.empty())
    return false;
  ++number_;
  size_t end = 0;
  while (end < rest_.size() && rest_[end] != '\r' && rest_[end] != '\n')
    ++end;
  line = rest_.substr(0, end);
  if (end == rest_.size()) {
    rest_ = {};
    return true;
  }
  const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
  rest_.remove_prefix(end + (crlf ? 2 : 1));
  return true;
}

std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  LineCursor cursor(bytes);
  std::string_view line;
  while (cursor.Next(line))
    lines.push_back(line);
  return lines;
}

size_t LineCount(std::string_view bytes) {
  LineCursor cursor(bytes);
  std::string_view line;
  size_t count = 0;
  while (cursor.Next(line))
    ++count;
  return count;
}

}  // namespace tw
