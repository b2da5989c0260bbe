#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch.h"

int main(int argc, char* argv[]) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const tw::BatchResult result = tw::RunBatch(args);
  std::fwrite(result.out.data(), 1, result.out.size(), stdout);
  std::fwrite(result.err.data(), 1, result.err.size(), stderr);
  if (std::fflush(stdout) != 0)
    return tw::kBatchFailed;
  return result.exit_code;
}
