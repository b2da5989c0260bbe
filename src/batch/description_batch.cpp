#include "batch/description_batch.h"

#include <charconv>
#include <optional>

#include "base/signed_angle.h"
#include "batch/arguments.h"
#include "batch/fresh_run.h"
#include "description/description_reader.h"
#include "description/description_writer.h"
#include "files/file_io.h"
#include "files/text_encoding.h"
#include "formats/project_commands.h"
#include "formats/project_file.h"
#include "program/log.h"

namespace tw {
namespace {

BatchResult UsageError() {
  return {kBatchUsage, "", BatchUsage()};
}

BatchResult Failed(std::string_view message) {
  return {kBatchFailed, "", Cp1252ToUtf8(message) + "\n"};
}

// "line 3, column 12: REASON: TEXT" for every doubt and every text that
// looked like a call and was not read.
std::string ReadingProblems(std::string_view text, const DescriptionReading& r) {
  std::string lines;
  for (const std::vector<ReadCall>* list : {&r.ties, &r.calls}) {
    for (const ReadCall& call : *list) {
      for (const std::string& doubt : call.doubts)
        lines += PlaceText(call.span) + ": doubtful, " + doubt + ": " +
                 std::string(text.substr(call.span.begin, call.span.end - call.span.begin)) + "\n";
    }
  }
  for (const UnreadCall& u : r.unread)
    lines += PlaceText(u.span) + ": not read, " + u.reason + ": " +
             std::string(text.substr(u.span.begin, u.span.end - u.span.begin)) + "\n";
  return Cp1252ToUtf8(lines);
}

EntryTexts EntriesOf(const DescriptionReading& r) {
  std::vector<std::string> entries;
  entries.reserve(r.calls.size());
  for (const ReadCall& call : r.calls)
    entries.push_back(call.entry);
  return EntryTexts(entries);
}

}  // namespace

BatchResult ReadDescriptionCommand(std::span<const std::string> args) {
  const std::optional<CommandArguments> split =
      SplitArguments(args, {"--unit", "--rotate"}, {"--accept-doubtful"});
  if (!split || split->operands.size() != 1)
    return UsageError();
  const std::string unit(split->Option("--unit").value_or("LF"));
  if (UnitRecordFor(unit) == nullptr)
    return UsageError();
  std::optional<double> rotation = 0;
  if (const std::optional<std::string_view> angle = split->Option("--rotate"))
    rotation = ReadSignedAngle(*angle);
  if (!rotation)
    return UsageError();
  const Result<std::string> bytes = ReadFileBytes(split->operands[0]);
  if (!bytes)
    return Failed(bytes.error());
  const std::string text = DescriptionFileText(*bytes);
  const DescriptionReading reading = ReadDescription(text, {unit, *rotation});
  BatchResult result{0, "", ReadingProblems(text, reading)};
  const bool accepted = !reading.HasDoubts() || split->Option("--accept-doubtful");
  if (!reading.unread.empty() || !accepted) {
    result.exit_code = kBatchFailed;
    return result;
  }
  if (reading.calls.empty())
    return Failed("No call could be read from the description.");
  ProgramState state;
  state.UnitAbbrev = unit;
  state.EntryMode = ModeText(ModeOption::Surveyor);
  state.FirstPointX = reading.start.east;
  state.FirstPointY = reading.start.north;
  result.out = ProjectFileBytes(state, EntriesOf(reading));
  return result;
}

BatchResult DescribeCommand(std::span<const std::string> args) {
  const std::optional<CommandArguments> split =
      SplitArguments(args, {"--decimals", "--beginning"}, {"--words"});
  if (!split || split->operands.size() != 1)
    return UsageError();
  DescribeOptions options;
  options.words = split->Option("--words").has_value();
  options.beginning = Utf8ToCp1252(split->Option("--beginning").value_or(""));
  if (const std::optional<std::string_view> decimals = split->Option("--decimals")) {
    const auto [end, ec] =
        std::from_chars(decimals->data(), decimals->data() + decimals->size(), options.decimals);
    if (ec != std::errc() || end != decimals->data() + decimals->size() || options.decimals < 0 ||
        options.decimals > kMostDescribeDecimals)
      return UsageError();
  }
  NullLog log;
  FreshRun run(log);
  const Result<OpenOutcome> opened = OpenProjectPath(run.program, run.controls, split->operands[0]);
  if (!opened)
    return Failed(opened.error());
  if (run.program.entries.Empty())
    return Failed("Nothing to describe.");
  Result<std::string> text =
      DescribeBoundary(run.program.entries.Entries(), run.program.state, options);
  if (!text)
    return Failed(text.error());
  return {0, std::move(text).take(), ""};
}

}  // namespace tw
