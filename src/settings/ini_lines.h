// The line grammar both readers of the settings file share: section headers
// and names that match whatever their case.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace tw {

// Section and key names match whatever their case, as the profile functions
// of the system the file format comes from do. Deliberately not std::tolower,
// which follows the desktop's locale.
bool SameName(std::string_view a, std::string_view b);

// The name of a "[name]" line, or nullopt for any other line.
std::optional<std::string_view> SectionName(std::string_view line);

// The lines of a section: from the one after its header to one past its last.
struct SectionSpan {
  size_t begin;
  size_t end;
};

// The first section called `name`; text_of gives a line's text without its
// ending.
template <class Lines, class TextOf>
std::optional<SectionSpan> FindSection(const Lines& lines, std::string_view name, TextOf text_of) {
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::optional<std::string_view> found = SectionName(text_of(lines[i]));
    if (!found || !SameName(*found, name))
      continue;
    size_t end = i + 1;
    while (end < lines.size() && !SectionName(text_of(lines[end])))
      ++end;
    return SectionSpan{i + 1, end};
  }
  return std::nullopt;
}

}  // namespace tw
