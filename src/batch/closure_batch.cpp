#include "batch/closure_batch.h"

#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "base/text.h"
#include "batch/arguments.h"
#include "closure/adjusted_files.h"
#include "closure/closure_analysis.h"
#include "closure/closure_report.h"
#include "closure/closure_text.h"
#include "files/text_encoding.h"
#include "formats/export_commands.h"
#include "report/report_command.h"

namespace tw {
namespace {

BatchResult Failed(std::string_view message) {
  return {kBatchFailed, "", Cp1252ToUtf8(message) + "\n"};
}

std::optional<ClosureCommand> ParseClosure(std::span<const std::string> rest) {
  const std::optional<CommandArguments> split =
      SplitArguments(rest, {"--adjust", "--standard"}, {"--report"});
  if (!split)
    return std::nullopt;
  std::optional<StandardAndProject> project = ReadStandardAndProject(*split);
  if (!project)
    return std::nullopt;
  ClosureCommand c;
  if (const std::optional<std::string_view> name = split->Option("--adjust")) {
    c.method = MethodFromName(*name);
    if (!c.method)
      return std::nullopt;
  }
  c.report = split->Option("--report").has_value();
  c.standard = project->standard;
  c.path = std::move(project->path);
  return c;
}

std::optional<ClosureCommand> ParseAdjust(std::span<const std::string> rest) {
  const std::optional<CommandArguments> split = SplitArguments(rest, {});
  if (!split || split->operands.size() != 2)
    return std::nullopt;
  ClosureCommand c;
  c.adjust_only = true;
  c.method = MethodFromName(split->operands[0]);
  if (!c.method)
    return std::nullopt;
  c.path = split->operands[1];
  return c;
}

// The lines are all an adjustment needs: the entries, then the lines, are let
// go as soon as what follows is made from them, so that a long list is not
// held beside its adjustment and the file. The messages are the analysis's.
BatchResult AdjustedProject(AdjustMethod method, EntryList& entries, const ProgramState& state) {
  if (KindOf(entries.At(0)) == EntryKind::Point)
    return Failed(kPointListNotAdjusted);
  CornerSums corners(PlanePoint{});
  std::vector<TraverseCurve> curves;
  Result<std::vector<TraverseLine>> read = ReadTraverseLines(entries.Entries(), corners, &curves);
  if (!read)
    return Failed(read.error());
  entries.Clear();
  std::vector<TraverseLine> lines = std::move(read).take();
  Result<Adjustment> adjusted = Adjust(lines, SumLines(lines), method,
                                       PlanePoint{state.FirstPointX, state.FirstPointY}, curves);
  lines = std::vector<TraverseLine>();
  if (!adjusted)
    return Failed(adjusted.error());
  Adjustment adjustment = std::move(adjusted).take();
  if (adjustment.curves.empty())
    adjustment.lines = std::vector<TraverseLine>();  // the file holds the corners only
  return {0, AdjustedProjectBytes(adjustment, state.UnitAbbrev), ""};
}

}  // namespace

bool IsClosureCommand(const std::vector<std::string>& args) {
  return !args.empty() && (args[0] == "closure" || args[0] == "adjust");
}

std::optional<ClosureCommand> ParseClosureCommand(const std::vector<std::string>& args) {
  if (!IsClosureCommand(args))
    return std::nullopt;
  const std::span<const std::string> rest(args.begin() + 1, args.end());
  return args[0] == "closure" ? ParseClosure(rest) : ParseAdjust(rest);
}

BatchResult RunClosureCommand(const ClosureCommand& command, EntryList& entries,
                              const ProgramState& state) {
  if (entries.Empty())
    return Failed(command.adjust_only ? kNothingToExport : kNothingToReport);
  if (command.adjust_only)
    return AdjustedProject(*command.method, entries, state);
  ClosureOptions options;
  options.standard = command.standard;
  options.method = command.method;
  options.find_blunders = !command.adjust_only;
  const Result<ClosureAnalysis> analysis = AnalyseClosure(entries, state, options);
  if (!analysis)
    return Failed(analysis.error());
  const bool failed = analysis->adjustment && !*analysis->adjustment;
  if (command.report) {
    if (failed)
      return Failed(analysis->adjustment->error());
    const ReportHead head{std::string(FileNameOf(command.path)), state.UnitAbbrev,
                          ReportDateToday()};
    const Result<std::string> report = ClosureReport(*analysis, entries.Entries(), head);
    if (!report)
      return Failed(report.error());
    return {0, *report, ""};
  }
  std::string text = ClosureText(*analysis, FileNameOf(command.path), state.UnitAbbrev);
  // The figures and findings still help find what keeps the method from
  // adjusting; the text says why after "Adjustment:", and stderr again.
  if (failed)
    return {kBatchFailed, std::move(text), Cp1252ToUtf8(analysis->adjustment->error()) + "\n"};
  return {0, std::move(text), ""};
}

}  // namespace tw
