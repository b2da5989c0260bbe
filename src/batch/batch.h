// quadrell-batch: the program's file commands on files, without a window.
//
// It reads its arguments and the files they name, and writes only to stdout
// and stderr: no settings file, no report.txt, no viewer.
#pragma once

#include <string>
#include <vector>

namespace tw {

struct BatchResult {
  int exit_code = 0;  // 0 done, 1 the command failed, 2 usage error
  std::string out;    // raw bytes for stdout
  std::string err;    // the message or the usage, for stderr, in UTF-8
};

inline constexpr int kBatchFailed = 1;
inline constexpr int kBatchUsage = 2;

// The usage text, ending in a line feed.
std::string BatchUsage();

// Runs one command; args exclude the program name.
BatchResult RunBatch(const std::vector<std::string>& args);

}  // namespace tw
