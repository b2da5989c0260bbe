// quadrell-batch-map: the map command of quadrell-batch, which starts it, and
// the window's questions about a coordinate reference system:
//   quadrell-batch-map map FORMAT ... PROJECT.twc   (see batch/map_batch.h)
//   quadrell-batch-map crs CODE   its name, its unit and the unit's family
//                                 ("foot", "metre" or "other"), one a line
#include <cpl_error.h>

#include <charconv>
#include <csignal>
#include <cstdio>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "batch/fresh_run.h"
#include "batch/map_batch.h"
#include "files/standard_descriptors.h"
#include "files/text_encoding.h"
#include "formats/export_commands.h"
#include "formats/project_commands.h"
#include "location/crs_reply.h"
#include "map/crs.h"
#include "map/map_boundary.h"
#include "map/map_file.h"

namespace {

int Fail(const std::string& message) {
  const std::string text = tw::Cp1252ToUtf8(message) + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
  return tw::kBatchFailed;
}

int Usage() {
  const std::string usage = tw::BatchUsage();
  std::fwrite(usage.data(), 1, usage.size(), stderr);
  return tw::kBatchUsage;
}

// PROJ's texts are UTF-8 already; only our own messages are Windows-1252.
int Describe(const std::string& code_text) {
  int code = 0;
  const auto [end, ec] =
      std::from_chars(code_text.data(), code_text.data() + code_text.size(), code);
  if (ec != std::errc() || end != code_text.data() + code_text.size())
    return Usage();
  const tw::Result<tw::CrsFacts> facts = tw::DescribeEpsg(code);
  if (!facts) {
    std::fprintf(stderr, "%s\n", facts.error().c_str());
    return tw::kBatchFailed;
  }
  const char* family = facts->unit == tw::UnitFamily::Metre   ? "metre"
                       : facts->unit == tw::UnitFamily::Other ? "other"
                                                              : "foot";
  const std::string reply = tw::CrsReplyText({facts->name, facts->unit_words, family});
  std::fwrite(reply.data(), 1, reply.size(), stdout);
  return 0;
}

int Map(const tw::MapCommand& command) {
  tw::NullLog log;
  tw::FreshRun run(log);
  const tw::Result<tw::OpenOutcome> opened =
      tw::OpenProjectPath(run.program, run.controls, command.path);
  if (!opened)
    return Fail(opened.error());
  if (opened->message)
    Fail(*opened->message);
  if (run.program.entries.Empty())
    return Fail(tw::kNothingToExport);
  const tw::Result<tw::Location> location = tw::LocationForRun(command, run.program.state.location);
  if (!location)
    return Fail(location.error());
  const tw::ProgramState& state = run.program.state;
  const tw::Result<tw::MapBoundary> map = tw::MapBoundaryOf(
      run.program.entries.Entries(), state, *location, tw::Utf8ToCp1252(command.name));
  if (!map)
    return Fail(map.error());
  const tw::Result<OGRSpatialReference> grid =
      tw::GridReference(*location, tw::IsFootList(state.UnitAbbrev).value_or(false));
  if (!grid)
    return Fail(grid.error());
  const tw::Status written = tw::WriteMapFile(*map, *grid, *command.format, command.out);
  if (!written)
    return Fail(written.error());
  if (!map->figures.note.empty())
    Fail("The boundary does not close: its map is " + std::string(map->figures.note) + ".");
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  tw::ReserveStandardDescriptors();
  std::signal(SIGPIPE, SIG_IGN);
  // GDAL's own messages would repeat ours; its last one is quoted in ours.
  CPLSetErrorHandler(CPLQuietErrorHandler);
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 2 && args[0] == "crs")
    return Describe(args[1]);
  const std::optional<tw::MapCommand> command = tw::ParseMapCommand(args);
  if (!command)
    return Usage();
  return Map(*command);
}
