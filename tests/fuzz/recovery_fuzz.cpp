// Read as the next start reads a recovery file: the quick look at the first
// bytes never refuses a file the whole read takes, and a file it takes is
// written back by the program to bytes that read the same.
#include "formats/project_file.h"
#include "fuzz/fuzz_check.h"
#include "session/recovery_file.h"

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes = fuzz::Text(data, size);
  const Result<ProjectFile> read = ReadRecoveryBytes(bytes);
  if (!read)
    return 0;
  FUZZ_CHECK(RecoveryHeadProblem(bytes.substr(0, 4096), size).empty());
  FUZZ_CHECK(read->header.has_value());
  ProgramState state;
  state.FirstPointX = read->header->FirstPointX;
  state.FirstPointY = read->header->FirstPointY;
  state.UnitAbbrev = read->header->UnitAbbrev;
  state.EntryMode = read->header->EntryMode;
  const std::string written = ProjectFileBytes(state, read->entries);
  const Result<ProjectFile> again = ReadRecoveryBytes(written);
  FUZZ_CHECK(again && again->entries == read->entries);
  FUZZ_CHECK(ProjectFileBytes(state, again->entries) == written);
  return 0;
}
