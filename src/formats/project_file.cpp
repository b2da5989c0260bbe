#include "formats/project_file.h"

#include "base/numbers.h"
#include "base/quote.h"
#include "base/text.h"
#include "base/version.h"
#include "boundary/curve_entry.h"
#include "boundary/entry.h"
#include "formats/text_lines.h"
#include "geometry/curve.h"

namespace tw {
namespace {

std::string VersionLine() {
  return std::string(":") + kVersionText;
}

std::string HeaderLine(const ProgramState& s) {
  return ":" + PlainForm(s.FirstPointX) + "," + PlainForm(s.FirstPointY) + "," + s.UnitAbbrev +
         "," + s.EntryMode;
}

std::vector<std::string_view> SplitFields(std::string_view text) {
  std::vector<std::string_view> fields;
  for (;;) {
    const size_t comma = text.find(',');
    fields.push_back(text.substr(0, comma));
    if (comma == std::string_view::npos)
      return fields;
    text.remove_prefix(comma + 1);
  }
}

Result<double> HeaderNumber(std::string_view field, int number) {
  const std::optional<double> value = ConvertStrict(field);
  if (!value) {
    return Error{"line 2: field " + std::to_string(number) + " \"" + QuoteForMessage(field) +
                 "\" is not a number"};
  }
  return *value;
}

// Line 2: its first character (":" in every file the program writes) is
// dropped unread, the rest split at every ",".
Result<ProjectHeader> ReadHeader(std::string_view line) {
  const std::vector<std::string_view> fields = SplitFields(line.empty() ? line : line.substr(1));
  if (fields.size() < 4)
    return Error{"line 2 has fewer than four fields"};
  const Result<double> x = HeaderNumber(fields[0], 1);
  if (!x)
    return Error{x.error()};
  const Result<double> y = HeaderNumber(fields[1], 2);
  if (!y)
    return Error{y.error()};
  return ProjectHeader{*x, *y, std::string(fields[2]), std::string(fields[3])};
}

// The reason an entry cannot be read by the list's kind, or "" when it can.
std::string EntryProblem(EntryKind kind, std::string_view entry, bool first) {
  if (kind == EntryKind::Angle && IsCurveEntry(entry)) {
    const Result<CurveCall> call = ReadCurveEntry(entry);
    if (!call)
      return call.error();
    return first && call->aim == CurveAim::Tangent ? kTangentFirstReason : "";
  }
  if (kind == EntryKind::Angle) {
    // Every entry of a long file passes here: no field copies for the good ones.
    BearingFieldsView fields;
    return ReadBearingEntryTo(entry, fields) ? std::string() : ReadBearingEntryView(entry).error();
  }
  const Result<PointFields> p = ReadPointEntry(entry);
  return p ? std::string() : p.error();
}

// The entries from the cursor's next line on: the non-empty lines, each
// readable by the kind of the first.
Status ReadEntries(LineCursor& cursor, EntryTexts& entries) {
  EntryKind kind = EntryKind::Angle;
  std::string_view line;
  while (cursor.Next(line)) {
    if (line.empty())
      continue;
    if (entries.empty())
      kind = KindOf(line);
    const std::string problem = EntryProblem(kind, line, entries.empty());
    if (!problem.empty()) {
      return Error{"line " + std::to_string(cursor.LineNumber()) + " cannot be read (" + problem +
                   "): " + QuoteForMessage(line)};
    }
    entries.push_back(line);
  }
  return Ok();
}

}  // namespace

std::string UntitledProjectName() {
  return std::string(kUntitled) + ".twc";
}

std::string ProjectTitleOf(std::string_view path) {
  return path.empty() ? UntitledProjectName() : std::string(FileNameOf(path));
}

std::string ProjectFileBytes(const ProgramState& state, const EntryTexts& entries) {
  std::string out;
  out.reserve(64 + entries.text_size() + 2 * entries.size());
  AppendLine(out, VersionLine());
  AppendLine(out, HeaderLine(state));
  for (std::string_view e : entries)
    AppendLine(out, e);
  return out;
}

namespace {

Result<ProjectFile> ParseCp1252ProjectFile(std::string_view bytes) {
  if (bytes.empty())
    return Error{"the file is empty"};
  ProjectFile file;
  // Room for every line and every byte, so the texts are never copied while
  // they grow; the few bytes of line ends and header left over are never
  // touched and take no memory.
  file.entries.reserve(LineCount(bytes), bytes.size());
  LineCursor cursor(bytes);
  std::string_view line;
  cursor.Next(line);
  if (line.starts_with(':')) {
    std::string_view header_line;
    if (!cursor.Next(header_line))
      return Error{"line 1 starts with \":\" but there is no line 2"};
    const Result<ProjectHeader> header = ReadHeader(header_line);
    if (!header)
      return Error{header.error()};
    file.header = *header;
  }
  const Status read = ReadEntries(cursor, file.entries);
  if (!read)
    return Error{read.error()};
  return file;
}

}  // namespace

Result<ProjectFile> ParseProjectFile(std::string_view bytes) {
  if (!StartsWithUtf8Mark(bytes))
    return ParseCp1252ProjectFile(bytes);
  const Result<std::string> text = Utf8FileText(bytes);
  if (!text)
    return Error{text.error()};
  return ParseCp1252ProjectFile(*text);
}

}  // namespace tw
