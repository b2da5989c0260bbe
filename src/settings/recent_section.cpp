#include "settings/recent_section.h"

#include <charconv>
#include <filesystem>
#include <map>
#include <optional>

#include "base/text.h"
#include "files/file_io.h"
#include "settings/ini_lines.h"

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
  if (key.size() < 5 || !SameName(key.substr(0, 4), "File"))
    return std::nullopt;
  int number = 0;
  const auto [end, error] = std::from_chars(key.data() + 4, key.data() + key.size(), number);
  if (error != std::errc() || end != key.data() + key.size() || number < 1)
    return std::nullopt;
  return RecentKey{number, line.substr(equals + 1)};
}

std::optional<SectionSpan> FindRecentSection(const std::vector<Line>& lines) {
  return FindSection(lines, kSection, [](const Line& line) { return line.text; });
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
  const std::optional<SectionSpan> section = FindRecentSection(lines);
  if (!section)
    return {};
  std::map<int, std::string> numbered;
  for (size_t i = section->begin; i < section->end; ++i) {
    if (const std::optional<RecentKey> key = ReadRecentKey(lines[i].text))
      numbered.emplace(key->number, key->value);
  }
  std::vector<std::string> paths;
  paths.reserve(numbered.size());
  for (auto& [number, value] : numbered)
    paths.push_back(std::move(value));
  return paths;
}

std::string WriteRecentSection(std::string_view settings_text,
                               const std::vector<std::string>& paths) {
  const std::vector<Line> lines = SplitKeepingEndings(settings_text);
  const std::optional<SectionSpan> section = FindRecentSection(lines);
  std::string out;
  if (!section) {
    out.assign(settings_text);
    if (paths.empty())
      return out;
    if (!out.empty() && out.back() != '\n' && out.back() != '\r')
      out += "\r\n";
    return out + NewSection(paths);
  }
  for (size_t i = 0; i + 1 < section->begin; ++i)
    Append(out, lines[i]);
  out += NewSection(paths);
  for (size_t i = section->begin; i < section->end; ++i) {
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
