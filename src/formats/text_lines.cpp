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
  const size_t line = LineCount(bytes.substr(0, bad + 1));
  // No sequence is longer than four bytes: only one that is not UTF-8 makes
  // these fail at their start.
  const bool utf8 = FirstNonUtf8(bytes.substr(bad, 4)) != 0;
  return Error{"line " + std::to_string(line) + " cannot be read (" +
               (utf8 ? "not a Windows-1252 character" : "not UTF-8") + ")"};
}

void AppendLine(std::string& out, std::string_view line) {
  out.append(line);
  out.append("\r\n");
}

}  // namespace tw
