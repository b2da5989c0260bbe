// The rules of File > Recent Files: which paths are kept, in which order, and
// how each is shown in the menu.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tw {

inline constexpr size_t kMostRecentFiles = 8;

// The path goes first; an older mention of it goes, and the list keeps at
// most kMostRecentFiles. A path holding CR or LF cannot be kept in a line of
// the settings file and leaves the list as it was, as does an empty one.
std::vector<std::string> RememberFile(std::vector<std::string> recent, const std::string& path);
std::vector<std::string> ForgetFile(std::vector<std::string> recent, std::string_view path);

// Only an absolute path names the same file from any folder the program is
// started in; anything else read back from the settings file (a relative,
// an empty or a cut path) is dropped, and the list keeps its newest eight.
std::vector<std::string> UsableRecentFiles(std::vector<std::string> paths);
// The path made absolute against the current folder, "." and ".." resolved
// by name, so that "cd X; quadrell a.twc" remembers X/a.twc.
std::string AbsolutePath(const std::string& path);

// The file's name (the path after its last "/"), as a menu item shows it: a
// name longer than kLongestMenuName characters keeps its start and its end
// around "...", a TAB (which a menu takes for the start of a shortcut) shows
// as a blank, and "&" is doubled so that it shows as itself instead of as a
// mnemonic mark.
inline constexpr size_t kLongestMenuName = 60;
std::string RecentMenuText(std::string_view path);

// Shown when a chosen recent file has gone (Windows-1252, as every message).
std::string VanishedRecentFileMessage(std::string_view path);

}  // namespace tw
