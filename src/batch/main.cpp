#include <malloc.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "batch/map_batch.h"
#include "batch/output.h"
#include "batch/pdf_batch.h"
#include "files/standard_descriptors.h"

int main(int argc, char* argv[]) {
  tw::ReserveStandardDescriptors();
  // A reader that went away must show as a failed write, not end the
  // program silently.
  std::signal(SIGPIPE, SIG_IGN);
  // Every large buffer (the file, the entries, the lines, the output) is
  // mapped on its own and goes back to the system when freed. Left to itself,
  // the allocator raises this threshold past the file's size once the file is
  // freed, and what follows then stays resident after it is freed.
  mallopt(M_MMAP_THRESHOLD, 1 << 20);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (tw::IsPdfCommand(args))
    return tw::RunPdfProgram(argv);
  if (tw::IsMapCommand(args))
    return tw::RunMapProgram(argv);
  const tw::BatchResult result = tw::RunBatch(args);
  const tw::Status written = tw::WriteOutput(STDOUT_FILENO, result.out);
  std::fwrite(result.err.data(), 1, result.err.size(), stderr);
  if (!written) {
    std::fprintf(stderr, "%s\n", written.error().c_str());
    return tw::kBatchFailed;
  }
  return result.exit_code;
}
