#include "session/recovery_file.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/text_encoding.h"

namespace tw {
namespace {

constexpr std::string_view kStem = "recovery";
constexpr std::string_view kEnding = ".twc";

// "recovery.twc", or "recovery-N.twc" with N from 2 up and no leading zero.
bool IsSlotFileName(std::string_view name) {
  if (!name.starts_with(kStem) || !name.ends_with(kEnding))
    return false;
  std::string_view middle = name.substr(kStem.size(), name.size() - kStem.size() - kEnding.size());
  if (middle.empty())
    return true;
  if (middle.size() < 2 || middle[0] != '-' || middle[1] == '0')
    return false;
  middle.remove_prefix(1);
  return std::all_of(middle.begin(), middle.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::filesystem::path Resolved(const std::string& path) {
  std::error_code error;
  const std::filesystem::path absolute = std::filesystem::absolute(path, error);
  const std::filesystem::path resolved = std::filesystem::weakly_canonical(absolute, error);
  return error ? absolute.lexically_normal() : resolved;
}

}  // namespace

std::string RecoveryFolder(const std::string& settings_folder) {
  return settings_folder + "/recovery";
}

std::string RecoverySlotFile(const std::string& folder, int slot) {
  const std::string number = slot == 0 ? "" : "-" + std::to_string(slot + 1);
  return folder + "/" + std::string(kStem) + number + std::string(kEnding);
}

std::string LockFileOf(const std::string& recovery_file) {
  return recovery_file.substr(0, recovery_file.size() - kEnding.size()) + ".lock";
}

std::string UnreadableNameOf(const std::string& recovery_file) {
  return recovery_file + ".unreadable";
}

bool IsInRecoveryFolder(const std::string& path, const std::string& settings_folder) {
  return Resolved(path).parent_path() == Resolved(RecoveryFolder(settings_folder));
}

std::string OwnFileRefusedMessage(std::string_view path) {
  return "The file \"" + Utf8ToCp1252(path) +
         "\" is kept by Quadrell for unsaved work and cannot be saved over. Choose another "
         "folder.";
}

std::vector<RecoveryFileEntry> ListRecoveryFiles(const std::string& folder) {
  std::vector<RecoveryFileEntry> files;
  std::error_code error;
  for (const auto& item : std::filesystem::directory_iterator(folder, error)) {
    const std::string path = item.path().string();
    struct stat info {};
    if (!IsSlotFileName(item.path().filename().string()) || ::lstat(path.c_str(), &info) != 0 ||
        !S_ISREG(info.st_mode))
      continue;
    files.push_back({path, int64_t{info.st_mtim.tv_sec} * 1'000'000'000 + info.st_mtim.tv_nsec});
  }
  std::sort(files.begin(), files.end(), [](const auto& a, const auto& b) {
    return a.modified_ns != b.modified_ns ? a.modified_ns > b.modified_ns : a.path < b.path;
  });
  return files;
}

std::string RecoveryHeadProblem(std::string_view head, uint64_t size) {
  if (size > kLargestRecoveryFile)
    return "it is larger than 1 GiB";
  if (head.empty())
    return "it is empty";
  if (head.front() != ':')
    return "its first line does not start with \":\"";
  if (head.find('\0') != std::string_view::npos)
    return "it holds a NUL byte";
  return {};
}

Result<ProjectFile> ReadRecoveryBytes(std::string_view bytes) {
  if (std::string problem = RecoveryHeadProblem(bytes, bytes.size()); !problem.empty())
    return Error{problem};
  if (bytes.find('\0') != std::string_view::npos)
    return Error{"it holds a NUL byte"};
  // The first byte is ":", so no byte-order mark either: the program writes
  // Windows-1252.
  return ParseProjectFile(bytes);
}

std::string SetAsideMessage(const std::vector<std::string>& aside) {
  std::string text = aside.size() == 1 ? "A recovery file could not be read as a boundary. It was "
                                         "kept as \"" +
                                             Utf8ToCp1252(aside[0]) + "\"."
                                       : "Recovery files could not be read as boundaries. They "
                                         "were kept as:";
  if (aside.size() > 1) {
    for (const std::string& path : aside)
      text += "\n\"" + Utf8ToCp1252(path) + "\"";
  }
  return text;
}

}  // namespace tw
