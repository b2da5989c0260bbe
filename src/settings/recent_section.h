// The [RECENT] section of the settings file, read and written by its own
// rules rather than the profile-string ones, which trim, unquote and cut at
// 254 characters: a value is every byte of a path (UTF-8) after "FileN=".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tw {

// The values of File1, File2, ... in the order of their numbers.
std::vector<std::string> ReadRecentSection(std::string_view settings_text);

// The text with the section holding exactly File1..FileN for the paths (a
// missing section is not added for none). Other lines of the section and every line outside it
// stay byte for byte; a new section goes at the end.
std::string WriteRecentSection(std::string_view settings_text,
                               const std::vector<std::string>& paths);

// The same on the file; a missing file reads as empty. False when the file
// could not be written (atomically: the old one stays).
std::vector<std::string> LoadRecentFiles(const std::string& settings_file);
bool SaveRecentFiles(const std::string& settings_file, const std::vector<std::string>& paths);

}  // namespace tw
