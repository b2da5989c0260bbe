// What every fuzz target needs: a check that stops the run on a broken
// promise, the input as text, and a scratch file for the readers of paths.
#pragma once

#include <unistd.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#define FUZZ_CHECK(condition)                                                      \
  do {                                                                             \
    if (!(condition)) {                                                            \
      std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition); \
      std::abort();                                                                \
    }                                                                              \
  } while (false)

namespace tw::fuzz {

inline std::string_view Text(const uint8_t* data, size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// A file of this process's own, so that two targets never share one; gone
// when the run ends.
struct ScratchFile {
  explicit ScratchFile(std::string_view name) {
    const char* dir = std::getenv("TMPDIR");
    path = std::string(dir ? dir : "/tmp") + "/tw_fuzz_" + std::to_string(getpid()) + "_" +
           std::string(name);
  }
  ~ScratchFile() { std::remove(path.c_str()); }
  std::string path;
};

}  // namespace tw::fuzz
