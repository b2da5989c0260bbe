#include "batch/batch.h"

#include <span>
#include <string_view>
#include <utility>

#include "base/program_options.h"
#include "batch/arguments.h"
#include "batch/closure_batch.h"
#include "batch/curve_batch.h"
#include "batch/description_batch.h"
#include "batch/fresh_run.h"
#include "batch/map_batch.h"
#include "closure/adjustment.h"
#include "entry/entry_commands.h"
#include "files/text_encoding.h"
#include "formats/dxf_file.h"
#include "formats/export_commands.h"
#include "formats/import_commands.h"
#include "formats/point_file.h"
#include "formats/project_commands.h"
#include "formats/project_file.h"
#include "landxml/landxml_commands.h"
#include "landxml/landxml_writer.h"
#include "landxml/parcel_boundary.h"
#include "map/map_formats.h"
#include "program/log.h"
#include "program/program.h"
#include "report/boundary_report.h"
#include "report/report_command.h"
#include "settings/standard_setting.h"

namespace tw {
namespace {

constexpr std::string_view kProgram = "quadrell-batch";

// The program's messages are Windows-1252; a terminal reads UTF-8.
std::string ForTerminal(std::string_view message) {
  return Cp1252ToUtf8(message) + "\n";
}

BatchResult Failed(std::string_view message) {
  return {kBatchFailed, "", ForTerminal(message)};
}

BatchResult UsageError() {
  return {kBatchUsage, "", BatchUsage()};
}

BatchResult FromBytes(Result<std::string> bytes) {
  if (!bytes)
    return Failed(bytes.error());
  return {0, std::move(bytes).take(), ""};
}

// Opens the project as the window's Open does, then runs what follows on it.
template <class Then>
BatchResult AfterOpen(const std::string& path, LogSink& log, Then then) {
  FreshRun run(log);
  const Result<OpenOutcome> opened = OpenProjectPath(run.program, run.controls, path);
  if (!opened)
    return Failed(opened.error());
  BatchResult result = then(run);
  if (opened->message)
    result.err.insert(0, ForTerminal(*opened->message));
  return result;
}

BatchResult Export(const std::string& path,
                   Result<std::string> (*build)(const EntryTexts&, const ProgramState&)) {
  NullLog log;
  return AfterOpen(path, log, [build](FreshRun& run) {
    if (run.program.entries.Empty())
      return Failed(kNothingToExport);
    return FromBytes(build(run.program.entries.Entries(), run.program.state));
  });
}

BatchResult Report(const std::string& path) {
  NullLog log;
  return AfterOpen(path, log, [](FreshRun& run) {
    if (run.program.entries.Empty())
      return Failed(kNothingToReport);
    return FromBytes(BoundaryReportBytes(run.program.entries, run.program.state));
  });
}

BatchResult Log(const std::string& path) {
  StringLog log;
  return AfterOpen(path, log, [&log](FreshRun&) { return BatchResult{0, log.TakeText(), ""}; });
}

BatchResult Closure(const std::vector<std::string>& args) {
  const std::optional<ClosureCommand> command = ParseClosureCommand(args);
  if (!command)
    return UsageError();
  NullLog log;
  return AfterOpen(command->path, log, [&command](FreshRun& run) {
    return RunClosureCommand(*command, run.program.entries, run.program.state);
  });
}

// "FORMAT is one of "PN, N, E", ... "E, N"." from the import's own table.
std::string FormatUsageLine() {
  std::string line = "FORMAT is one of ";
  for (const PointFormat& format : kPointFormats) {
    if (&format != kPointFormats.begin())
      line += ", ";
    line += '"';
    line += format.name;
    line += '"';
  }
  return line + ".\n";
}

BatchResult Import(const std::string& format, const std::string& path) {
  if (!PointFormatNamed(format))
    return UsageError();
  Result<PointPreview> read = ReadPointFile(path);
  if (!read)
    return Failed(read.error());
  PointPreview preview = std::move(read).take();
  NullLog log;
  FreshRun run(log);
  const ImportOutcome outcome = ImportPoints(run.program, run.controls, preview, format);
  if (!outcome.imported)
    return Failed(outcome.message.value_or(""));
  // The file's lines are no longer needed; the project file is as large.
  preview = PointPreview{};
  BatchResult result{0, ProjectFileBytes(run.program.state, run.program.entries.Entries()), ""};
  if (outcome.message)
    result.err = ForTerminal(*outcome.message);
  return result;
}

BatchResult LandXml(const std::string& path) {
  NullLog log;
  return AfterOpen(path, log, [&path](FreshRun& run) {
    if (run.program.entries.Empty())
      return Failed(kNothingToExport);
    return FromBytes(ProgramLandXml(run.program, path, AskMapProgramAboutCrs));
  });
}

// The project file is written from the parcel's boundary directly: the
// window's replot and log have nothing to add to it.
BatchResult ImportLandXml(std::span<const std::string> args) {
  const std::optional<CommandArguments> split = SplitArguments(args, {"--parcel"});
  if (!split || split->operands.size() != 1)
    return UsageError();
  const Result<LandXmlFile> file = ReadLandXmlPath(split->operands[0]);
  if (!file)
    return Failed(file.error());
  const Result<size_t> index = ParcelToImport(*file, split->Option("--parcel"));
  if (!index)
    return Failed(index.error());
  const Result<ParcelBoundary> boundary =
      BoundaryOfParcel(file->parcels[*index], file->units, file->epsg);
  if (!boundary)
    return Failed(boundary.error());
  ProgramState state;
  state.FirstPointX = boundary->header.FirstPointX;
  state.FirstPointY = boundary->header.FirstPointY;
  state.UnitAbbrev = boundary->header.UnitAbbrev;
  state.EntryMode = boundary->header.EntryMode;
  state.location = boundary->header.location;
  BatchResult result{0, ProjectFileBytes(state, boundary->entries), ""};
  if (boundary->rounded_closure)
    result.err = ForTerminal(*boundary->rounded_closure);
  return result;
}

// "METHOD is one of compass, transit, crandall" from the adjustments' table.
std::string MethodUsage() {
  std::string line = "METHOD is one of ";
  for (const AdjustMethodRow& row : AdjustMethods()) {
    if (row.method != AdjustMethods().front().method)
      line += ", ";
    line += row.key;
  }
  return line;
}

// The map command's words, its formats from the map's own table.
std::string MapUsage() {
  std::string line = "MAP is one of ";
  for (const MapFormatRow& row : kMapFormats) {
    if (&row != kMapFormats.begin())
      line += ", ";
    line += row.key;
  }
  return line +
         "; PLACE is \"EPSG:CODE N E\" or \"WGS84 LAT LON\";\n"
         "K is the grid scale factor.\n";
}

}  // namespace

std::string BatchUsage() {
  return "usage: quadrell-batch report PROJECT.twc\n"
         "       quadrell-batch points PROJECT.twc\n"
         "       quadrell-batch dxf PROJECT.twc\n"
         "       quadrell-batch log PROJECT.twc\n"
         "       quadrell-batch import FORMAT POINTS\n"
         "       quadrell-batch closure [--adjust METHOD] [--standard S] [--report] PROJECT.twc\n"
         "       quadrell-batch adjust METHOD PROJECT.twc\n"
         "       quadrell-batch pdf [--standard S] [--report] PROJECT.twc\n"
         "       quadrell-batch curve [--after BEARING] ENTRY\n"
         "       quadrell-batch read [--unit LF|m.] [--rotate ANGLE] [--accept-doubtful] "
         "DESCRIPTION.txt\n"
         "       quadrell-batch describe [--words] [--decimals N] [--beginning NAME] "
         "PROJECT.twc\n"
         "       quadrell-batch map MAP [--location PLACE] [--rotate ANGLE] [--scale K]\n"
         "                          [--name NAME] -o OUT PROJECT.twc\n"
         "       quadrell-batch landxml PROJECT.twc\n"
         "       quadrell-batch import-landxml [--parcel NAME] FILE.xml\n" +
         HelpVersionUsageLine(kProgram) + FormatUsageLine() + MethodUsage() +
         "; S is a whole number from " + std::to_string(kLowestStandard) + " to " +
         std::to_string(kHighestStandard) +
         ".\n"
         "BEARING is written as in an entry: \"NE 45\xC2\xB0"
         "00'00''\".\n"
         "ANGLE is signed degrees-minutes-seconds (+0-12-30) or decimal degrees (+0.208333); "
         "N is 0 to 6.\n" +
         MapUsage() + "\"--\" ends the options, for a file whose name starts with \"-\".\n";
}

BatchResult RunBatch(const std::vector<std::string>& args) {
  if (args.size() == 1) {
    if (std::optional<std::string> answer = AnswerHelpVersion(args[0], kProgram, BatchUsage))
      return {0, std::move(*answer), ""};
  }
  if (IsClosureCommand(args))
    return Closure(args);
  if (!args.empty() && args[0] == "curve")
    return RunCurveCommand(std::span(args).subspan(1));
  if (!args.empty() && args[0] == "read")
    return ReadDescriptionCommand(std::span(args).subspan(1));
  if (!args.empty() && args[0] == "describe")
    return DescribeCommand(std::span(args).subspan(1));
  if (!args.empty() && args[0] == "import-landxml")
    return ImportLandXml(std::span(args).subspan(1));
  const std::optional<CommandArguments> split =
      args.empty() ? std::nullopt : SplitArguments(std::span(args).subspan(1), {});
  if (!split)
    return UsageError();
  const std::string& command = args[0];
  const std::vector<std::string>& operands = split->operands;
  if (operands.size() == 1) {
    if (command == "report")
      return Report(operands[0]);
    if (command == "points")
      return Export(operands[0], PointFileBytes);
    if (command == "dxf")
      return Export(operands[0], DxfFileBytes);
    if (command == "log")
      return Log(operands[0]);
    if (command == "landxml")
      return LandXml(operands[0]);
  }
  if (operands.size() == 2 && command == "import")
    return Import(operands[0], operands[1]);
  return UsageError();
}

}  // namespace tw
