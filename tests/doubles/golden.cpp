#include "doubles/golden.h"

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <random>

namespace tw::test {

std::string ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string GoldenPath(const std::string& name) {
  const char* dir = std::getenv("TW_GOLDEN_DIR");
  return (std::filesystem::path(dir ? dir : "tests/golden") / name).string();
}

std::string ReadGolden(const std::string& name) {
  return ReadBytes(GoldenPath(name));
}

ScratchFolder::ScratchFolder() {
  std::random_device random;
  path_ = std::filesystem::temp_directory_path() /
          ("tractwise-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace tw::test
