#include "formats/text_lines.h"

#include "files/text_encoding.h"

namespace tw {
namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

}  // namespace

bool StartsWithUtf8Mark(std::string_view bytes) {
  return bytes.starts_with(kUtf8Mark);
}

Result<std::string> Utf8FileText(std::string_view bytes) {
  if (StartsWithUtf8Mark(bytes))
    bytes.remove_prefix(kUtf8Mark.size());
  const size_t bad = FirstNonCp1252(bytes);
  if (bad == std::string_view::npos)
    return Utf8ToCp1252(bytes);
  // The line holding the bad character is the last of the text up to it.
  const size_t line = SplitLines(bytes.substr(0, bad + 1)).size();
  return Error{"line " + std::to_string(line) + " cannot be read (not a Windows-1252 character)"};
}

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

void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append("\r\n");
}

}  // namespace tw
