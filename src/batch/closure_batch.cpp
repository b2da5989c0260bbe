#include "batch/closure_batch.h"

#include <charconv>
#include <string_view>
#include <utility>
#include <vector>

#include "closure/adjusted_files.h"
#include "closure/closure_analysis.h"
#include "closure/closure_text.h"
#include "files/text_encoding.h"
#include "formats/export_commands.h"
#include "report/report_command.h"

namespace tw {
namespace {

BatchResult Failed(std::string_view message) {
  return {kBatchFailed, "", Cp1252ToUtf8(message) + "\n"};
}

std::optional<int> ReadStandard(std::string_view text) {
  long long s = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), s);
  if (ec != std::errc() || end != text.data() + text.size() || !IsStandard(s))
    return std::nullopt;
  return static_cast<int>(s);
}

// The file name without its folders, so the text does not depend on where
// the project lies.
std::string FileName(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::optional<ClosureCommand> ParseClosure(const std::vector<std::string>& args) {
  ClosureCommand c;
  // Options come in pairs before the project.
  size_t i = 1;
  for (; i + 1 < args.size(); i += 2) {
    if (args[i] == "--adjust") {
      c.method = MethodFromName(args[i + 1]);
      if (!c.method)
        return std::nullopt;
    } else if (args[i] == "--standard") {
      const std::optional<int> s = ReadStandard(args[i + 1]);
      if (!s)
        return std::nullopt;
      c.standard = *s;
    } else {
      return std::nullopt;
    }
  }
  if (i + 1 != args.size())
    return std::nullopt;
  c.path = args[i];
  return c;
}

// The lines are all an adjustment needs: the entries, then the lines, are let
// go as soon as what follows is made from them, so that a long list is not
// held beside its adjustment and the file. The messages are the analysis's.
BatchResult AdjustedProject(AdjustMethod method, EntryList& entries, const ProgramState& state) {
  if (KindOf(entries.At(0)) == EntryKind::Point)
    return Failed(kPointListNotAdjusted);
  Result<std::vector<TraverseLine>> read = ReadTraverseLines(entries.Entries());
  if (!read)
    return Failed(read.error());
  entries.Clear();
  std::vector<TraverseLine> lines = std::move(read).take();
  Result<Adjustment> adjusted = Adjust(lines, SumLines(lines), method);
  lines = std::vector<TraverseLine>();
  if (!adjusted)
    return Failed(adjusted.error());
  Adjustment adjustment = std::move(adjusted).take();
  adjustment.lines = std::vector<AdjustedLine>();  // the file holds the corners only
  return {0, AdjustedProjectBytes(adjustment, state.UnitAbbrev), ""};
}

}  // namespace

bool IsClosureCommand(const std::vector<std::string>& args) {
  return !args.empty() && (args[0] == "closure" || args[0] == "adjust");
}

std::optional<ClosureCommand> ParseClosureCommand(const std::vector<std::string>& args) {
  if (!IsClosureCommand(args))
    return std::nullopt;
  if (args[0] == "closure")
    return ParseClosure(args);
  if (args.size() != 3)
    return std::nullopt;
  ClosureCommand c;
  c.adjust_only = true;
  c.method = MethodFromName(args[1]);
  if (!c.method)
    return std::nullopt;
  c.path = args[2];
  return c;
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
  if (analysis->adjustment && !*analysis->adjustment)
    return Failed(analysis->adjustment->error());
  return {0, ClosureText(*analysis, FileName(command.path), state.UnitAbbrev), ""};
}

}  // namespace tw
