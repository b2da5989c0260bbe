// Open as the window opens a project file; a file it takes is saved, and the
// saved file opens to the same boundary and saves to the same bytes.
#include "files/file_io.h"
#include "formats/project_commands.h"
#include "fuzz/fuzz_check.h"
#include "ports/log_sink.h"

#include <fstream>

using namespace tw;

namespace {

struct Run {
  NullLog log;
  NullSurface surface;
  Program program{log, surface};
  EntryControls controls;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFile path_file("open.twc");
  const std::string& path = path_file.path;
  static const fuzz::ScratchFile saved_file("saved.twc");
  const std::string& saved = saved_file.path;
  std::ofstream(path, std::ios::binary | std::ios::trunc) << fuzz::Text(data, size);
  Run first;
  if (!OpenProjectPath(first.program, first.controls, path))
    return 0;
  FUZZ_CHECK(SaveProjectPath(first.program, saved));
  const Result<std::string> bytes = ReadFileBytes(saved);
  Run second;
  FUZZ_CHECK(bytes && OpenProjectPath(second.program, second.controls, saved));
  FUZZ_CHECK(second.program.entries.Entries() == first.program.entries.Entries());
  FUZZ_CHECK(SaveProjectPath(second.program, saved) && ReadFileBytes(saved).value() == *bytes);
  return 0;
}
