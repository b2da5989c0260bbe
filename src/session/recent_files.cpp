#include "session/recent_files.h"

#include <algorithm>

#include "files/text_encoding.h"

namespace tw {

std::vector<std::string> RememberFile(std::vector<std::string> recent, const std::string& path) {
  if (path.empty() || path.find_first_of("\r\n") != std::string::npos)
    return recent;
  recent = ForgetFile(std::move(recent), path);
  recent.insert(recent.begin(), path);
  if (recent.size() > kMostRecentFiles)
    recent.resize(kMostRecentFiles);
  return recent;
}

std::vector<std::string> ForgetFile(std::vector<std::string> recent, std::string_view path) {
  std::erase(recent, path);
  return recent;
}

std::string RecentMenuText(std::string_view path) {
  const size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  std::string text;
  for (const char c : name) {
    text += c;
    if (c == '&')
      text += '&';
  }
  return text;
}

std::string VanishedRecentFileMessage(std::string_view path) {
  return "The file \"" + Utf8ToCp1252(path) +
         "\" no longer exists; it was removed from Recent Files.";
}

}  // namespace tw
