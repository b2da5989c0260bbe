#include "batch/map_batch.h"

#include "base/numbers.h"
#include "base/signed_angle.h"
#include "base/text.h"
#include "batch/arguments.h"
#include "batch/helper_program.h"
#include "files/text_encoding.h"

namespace tw {
namespace {

std::string ProjectNameOf(std::string_view path) {
  std::string_view name = FileNameOf(path);
  if (name.ends_with(".twc"))
    name.remove_suffix(4);
  return std::string(name);
}

}  // namespace

bool IsMapCommand(const std::vector<std::string>& args) {
  return !args.empty() && args[0] == "map";
}

std::optional<MapCommand> ParseMapCommand(const std::vector<std::string>& args) {
  if (!IsMapCommand(args) || args.size() < 2)
    return std::nullopt;
  MapCommand command;
  command.format = MapFormatNamed(args[1]);
  const std::optional<CommandArguments> split = SplitArguments(
      std::span(args).subspan(2), {"--location", "--rotate", "--scale", "--name", "-o"});
  if (!command.format || !split || split->operands.size() != 1 || !split->Option("-o"))
    return std::nullopt;
  command.out = *split->Option("-o");
  command.path = split->operands[0];
  command.name = split->Option("--name").value_or(ProjectNameOf(command.path));
  if (const std::optional<std::string_view> place = split->Option("--location")) {
    const Result<Location> read = ReadPlaceText(*place);
    if (!read)
      return std::nullopt;
    command.place = *read;
  }
  if (const std::optional<std::string_view> rotate = split->Option("--rotate")) {
    command.rotation = ReadSignedAngle(*rotate);
    if (!command.rotation)
      return std::nullopt;
  }
  if (const std::optional<std::string_view> scale = split->Option("--scale")) {
    command.scale = ConvertStrict(*scale);
    if (!command.scale || !(*command.scale > 0))
      return std::nullopt;
  }
  return command;
}

Result<Location> LocationForRun(const MapCommand& command, const std::optional<Location>& own) {
  if (!command.place && !own)
    return Error{kNoLocation};
  Location location = own.value_or(Location{});
  if (command.place) {
    location.epsg = command.place->epsg;
    location.north = command.place->north;
    location.east = command.place->east;
  }
  location.rotation = command.rotation.value_or(location.rotation);
  location.scale = command.scale.value_or(location.scale);
  return location;
}

int RunMapProgram(char* argv[]) {
  return RunHelperProgram("quadrell-batch-map", TW_MAP_PROGRAM, argv);
}

Result<CrsReply> AskMapProgramAboutCrs(int code) {
  const Result<std::string> out =
      HelperProgramOutput("quadrell-batch-map", TW_MAP_PROGRAM, {"crs", std::to_string(code)});
  if (!out)
    return Error{Utf8ToCp1252(out.error())};
  std::optional<CrsReply> reply = ReadCrsReply(*out);
  if (!reply)
    return Error{"quadrell-batch-map gave no answer about EPSG:" + std::to_string(code) + "."};
  return std::move(*reply);
}

}  // namespace tw
