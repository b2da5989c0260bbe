// Golden files and scratch folders for byte-exact tests.
#pragma once

#include <filesystem>
#include <string>

namespace tw::test {

// The path of tests/golden/NAME (TW_GOLDEN_DIR when set), and its bytes.
std::string GoldenPath(const std::string& name);
std::string ReadGolden(const std::string& name);

// The bytes of any file ("" when it cannot be read).
std::string ReadBytes(const std::filesystem::path& path);
void WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// A fresh empty folder under the system's temporary folder, removed when the
// object goes.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string File(const std::string& name) const { return (path_ / name).string(); }

 private:
  std::filesystem::path path_;
};

}  // namespace tw::test
