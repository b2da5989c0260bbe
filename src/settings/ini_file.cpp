#include "settings/ini_file.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <vector>

#include "base/text.h"
#include "files/file_io.h"
#include "settings/ini_lines.h"

namespace tw {
namespace {

// The longest value a read returns: a 255-character buffer less its
// terminating zero.
constexpr size_t kLongestValue = 254;

// The lines of the file; no lines for a missing file, nullopt for one that
// exists but cannot be read (it must then not be overwritten).
std::optional<std::vector<std::string>> ReadLines(const std::string& path) {
  std::error_code error;
  if (std::filesystem::status(path, error).type() == std::filesystem::file_type::not_found)
    return std::vector<std::string>{};
  const Result<std::string> text = ReadFileBytes(path);
  if (!text)
    return std::nullopt;
  std::vector<std::string> lines;
  for (std::string_view line : SplitLines(*text))
    lines.emplace_back(line);
  return lines;
}

struct KeyLine {
  std::string_view name;
  std::string_view value;
};

// A "name=value" line, blanks around either part dropped; a line without "="
// is a key without a value. Blank lines and ";" comments hold no key.
std::optional<KeyLine> ReadKeyLine(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() == ';')
    return std::nullopt;
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos)
    return KeyLine{line, {}};
  return KeyLine{TrimBlanks(line.substr(0, equals)), TrimBlanks(line.substr(equals + 1))};
}

// A value in matching quotes comes back without them.
std::string_view Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
      value.back() == value.front()) {
    return value.substr(1, value.size() - 2);
  }
  return value;
}

std::optional<SectionSpan> FindSection(const std::vector<std::string>& lines,
                                       std::string_view section) {
  return tw::FindSection(lines, section,
                         [](const std::string& line) { return std::string_view(line); });
}

std::optional<size_t> FindKey(const std::vector<std::string>& lines, SectionSpan span,
                              std::string_view key) {
  for (size_t i = span.begin; i < span.end; ++i) {
    const std::optional<KeyLine> k = ReadKeyLine(lines[i]);
    if (k && SameName(k->name, key))
      return i;
  }
  return std::nullopt;
}

// Where a new key goes: right below the last non-blank line of the section,
// so that a blank line before the next section stays where it is.
size_t InsertionPoint(const std::vector<std::string>& lines, SectionSpan span) {
  size_t at = span.end;
  while (at > span.begin && TrimBlanks(lines[at - 1]).empty())
    --at;
  return at;
}

// Writes the lines, each ending in CR LF, in place of the file.
bool ReplaceFile(const std::string& path, const std::vector<std::string>& lines) {
  std::string text;
  for (const std::string& line : lines)
    text += line + "\r\n";
  return WriteFileAtomically(path, text).ok();
}

}  // namespace

bool WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& path) {
  std::optional<std::vector<std::string>> lines = ReadLines(path);
  if (!lines)
    return false;
  const std::string new_line = std::string(key) + "=" + std::string(value);
  const std::optional<SectionSpan> span = FindSection(*lines, section);
  if (!span) {
    lines->push_back("[" + std::string(section) + "]");
    lines->push_back(new_line);
  } else if (const std::optional<size_t> existing = FindKey(*lines, *span, key)) {
    // The key keeps the spelling it already has in the file.
    const std::string_view name = ReadKeyLine((*lines)[*existing])->name;
    (*lines)[*existing] = std::string(name) + "=" + std::string(value);
  } else {
    const size_t at = InsertionPoint(*lines, *span);
    lines->insert(lines->begin() + static_cast<std::ptrdiff_t>(at), new_line);
  }
  return ReplaceFile(path, *lines);
}

std::string ReadIniString(std::string_view section, std::string_view key, const std::string& path) {
  const std::optional<std::vector<std::string>> lines = ReadLines(path);
  if (!lines)
    return "";
  const std::optional<SectionSpan> span = FindSection(*lines, section);
  if (!span)
    return "";
  const std::optional<size_t> at = FindKey(*lines, *span, key);
  if (!at)
    return "";
  const std::string_view value = Unquote(ReadKeyLine((*lines)[*at])->value);
  return std::string(value.substr(0, kLongestValue));
}

}  // namespace tw
