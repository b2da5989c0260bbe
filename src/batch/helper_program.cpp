#include "batch/helper_program.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "batch/batch.h"

namespace tw {

std::string ProgramFolder() {
  char path[PATH_MAX];
  const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
  if (n <= 0)
    return ".";
  const std::string exe(path, static_cast<size_t>(n));
  return exe.substr(0, exe.find_last_of('/'));
}

int RunHelperProgram(const std::string& name, const std::string& installed, char* argv[]) {
  const std::string folder = ProgramFolder();
  for (const std::string& program : {folder + "/" + name, folder + "/" + installed}) {
    argv[0] = const_cast<char*>(program.c_str());
    execv(program.c_str(), argv);
  }
  std::fprintf(stderr, "%s could not be started: %s\n", name.c_str(), std::strerror(errno));
  return kBatchFailed;
}

}  // namespace tw
