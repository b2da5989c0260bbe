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

// The file's name (the path after its last "/"), with "&" doubled so that a
// menu shows it as itself instead of as a mnemonic mark.
std::string RecentMenuText(std::string_view path);

// Shown when a chosen recent file has gone (Windows-1252, as every message).
std::string VanishedRecentFileMessage(std::string_view path);

}  // namespace tw
