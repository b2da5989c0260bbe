#include "boundary/text.h"

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
  size_t ends = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
    if ((bytes[i] == '\r' || bytes[i] == '\n') && !crlf)
      ++ends;
  }
  // A last line without its end is a line all the same.
  const bool open_end = !bytes.empty() && bytes.back() != '\r' && bytes.back() != '\n';
  return ends + (open_end ? 1 : 0);
}

}  // namespace tw
