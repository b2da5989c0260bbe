#include "settings/recent_section.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <optional>

#include "files/file_io.h"

namespace tw {
namespace {

constexpr std::string_view kSection = "RECENT";

// A line with its ending (CR LF, LF, CR or none at the end of the text), so
// that lines outside the section go back exactly as they came.
struct Line {
  std::string_view text;
  std::string_view ending;
};

std::vector<Line> SplitKeepingEndings(std::string_view text) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back({text.substr(start), {}});
      break;
    }
    const size_t ending =
        (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
    lines.push_back({text.substr(start, end - start), text.substr(end, ending)});
    start = end + ending;
  }
  return lines;
}

std::string_view TrimBlanks(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
    s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
    s.remove_suffix(1);
  return s;
}

bool SameAscii(std::string_view a, std::string_view b) {
  if (a.size() != b.size())
    return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
    if (lower(a[i]) != lower(b[i]))
      return false;
  }
  return true;
}

// The name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
  line = TrimBlanks(line);
  if (line.empty() || line.front() != '[')
    return std::nullopt;
  line.remove_prefix(1);
  return TrimBlanks(line.substr(0, line.find(']')));
}

struct RecentKey {
  int number;
  std::string_view value;  // untouched
};

// "FileN=value" with N from 1 up; blanks are allowed only around the key.
std::optional<RecentKey> ReadRecentKey(std::string_view line) {
  const size_t equals = line.find('=');
  if (equals == std::string_view::npos)
    return std::nullopt;
  const std::string_view key = TrimBlanks(line.substr(0, equals));
  if (key.size() < 5 || !SameAscii(key.substr(0, 4), "File"))
    return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(key.data() + 4, key.data() + key.size(), number);
  if (error != std::errc() || end != key.data() + key.size() || number < 1)
    return std::nullopt;
  return RecentKey{number, line.substr(equals + 1)};
}

struct Section {
  size_t header;
  size_t end;  // one past its last line
};

std::optional<Section> FindRecentSection(const std::vector<Line>& lines) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::optional<std::string_view> name = SectionName(lines[i].text);
    if (!name || !SameAscii(*name, kSection))
      continue;
    size_t end = i + 1;
    while (end < lines.size() && !SectionName(lines[end].text))
      ++end;
    return Section{i, end};
  }
  return std::nullopt;
}

void Append(std::string& out, const Line& line) {
  out.append(line.text);
  out.append(line.ending);
}

std::string NewSection(const std::vector<std::string>& paths) {
  std::string out = "[" + std::string(kSection) + "]\r\n";
  for (size_t i = 0; i < paths.size(); ++i)
    out += "File" + std::to_string(i + 1) + "=" + paths[i] + "\r\n";
  return out;
}

}  // namespace

std::vector<std::string> ReadRecentSection(std::string_view settings_text) {
  const std::vector<Line> lines = SplitKeepingEndings(settings_text);
  const std::optional<Section> section = FindRecentSection(lines);
  if (!section)
    return {};
  std::map<int, std::string> numbered;
  for (size_t i = section->header + 1; i < section->end; ++i) {
    if (const std::optional<RecentKey> key = ReadRecentKey(lines[i].text))
      numbered.emplace(key->number, key->value);
  }
  std::vector<std::string> paths;
  for (auto& [number, value] : numbered)
    paths.push_back(std::move(value));
  return paths;
}

std::string WriteRecentSection(std::string_view settings_text,
                               const std::vector<std::string>& paths) {
  const std::vector<Line> lines = SplitKeepingEndings(settings_text);
  const std::optional<Section> section = FindRecentSection(lines);
  std::string out;
  if (!section) {
    out.assign(settings_text);
    if (paths.empty())
      return out;
    if (!out.empty() && out.back() != '\n' && out.back() != '\r')
      out += "\r\n";
    return out + NewSection(paths);
  }
  for (size_t i = 0; i < section->header; ++i)
    Append(out, lines[i]);
  out += NewSection(paths);
  for (size_t i = section->header + 1; i < section->end; ++i) {
    if (!ReadRecentKey(lines[i].text))
      Append(out, lines[i]);
  }
  for (size_t i = section->end; i < lines.size(); ++i)
    Append(out, lines[i]);
  return out;
}

std::vector<std::string> LoadRecentFiles(const std::string& settings_file) {
  const Result<std::string> text = ReadFileBytes(settings_file);
  return text ? ReadRecentSection(*text) : std::vector<std::string>{};
}

bool SaveRecentFiles(const std::string& settings_file, const std::vector<std::string>& paths) {
  const Result<std::string> text = ReadFileBytes(settings_file);
  // A settings file that exists but cannot be read must not be replaced.
  if (!text && std::filesystem::exists(settings_file))
    return false;
  return bool(WriteFileAtomically(settings_file, WriteRecentSection(text ? *text : "", paths)));
}

}  // namespace tw
