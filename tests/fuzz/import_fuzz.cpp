// The point import, its column order taken from the first byte: whatever it
// imports is saved as a project file that opens to the same entries.
#include "formats/import_commands.h"
#include "formats/project_file.h"
#include "fuzz/fuzz_check.h"
#include "ports/log_sink.h"

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0)
    return 0;
  const std::string_view format = kPointFormats[data[0] % kPointFormats.size()].name;
  const PointPreview preview{"points.asc", PreviewLines(fuzz::Text(data + 1, size - 1))};
  NullLog log;
  NullSurface surface;
  Program program{log, surface};
  EntryControls controls;
  if (!ImportPoints(program, controls, preview, format).imported)
    return 0;
  const Result<ProjectFile> back =
      ParseProjectFile(ProjectFileBytes(program.state, program.entries.Entries()));
  FUZZ_CHECK(back && back->entries == program.entries.Entries());
  return 0;
}
