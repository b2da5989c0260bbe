#include "session/recent_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

std::vector<std::string> UsableRecentFiles(std::vector<std::string> paths) {
  std::erase_if(paths, [](const std::string& path) {
    return path.empty() || path.front() != '/' || path.find_first_of("\r\n") != std::string::npos;
  });
  if (paths.size() > kMostRecentFiles)
    paths.resize(kMostRecentFiles);
  return paths;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

namespace {

// The byte offsets where UTF-8 characters start, so that eliding never cuts
// one in two.
std::vector<size_t> CharacterStarts(std::string_view text) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
      starts.push_back(i);
  }
  return starts;
}

std::string Elided(std::string_view name) {
  const std::vector<size_t> starts = CharacterStarts(name);
  if (starts.size() <= kLongestMenuName)
    return std::string(name);
  const size_t keep = (kLongestMenuName - 3) / 2;
  return std::string(name.substr(0, starts[keep])) + "..." +
         std::string(name.substr(starts[starts.size() - keep]));
}

}  // namespace

std::string RecentMenuText(std::string_view path) {
  const size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  std::string text;
  for (const char c : Elided(name)) {
    text += c == '\t' ? ' ' : c;
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
