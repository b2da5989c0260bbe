#include "report/boundary_report.h"

#include "boundary/bearing.h"
#include "boundary/entry.h"
#include "boundary/numbers.h"
#include "boundary/traverse.h"
#include "formats/count_form.h"
#include "formats/point_file.h"
#include "formats/text_lines.h"

namespace tw {
namespace {

// The last corner relative to the first, for the closure.
struct Gap {
  double x = 0;
  double y = 0;
};

// "BEARING  @DISTANCE", the entries, then the corners from (0, 0).
Result<Gap> AppendBearingLayout(std::string& out, const std::vector<std::string>& entries) {
  AppendLine(out, "BEARING  @DISTANCE");
  for (const std::string& e : entries)
    AppendLine(out, e);
  AppendLine(out, "");
  AppendLine(out, "POINT LIST (PN, N, E)");
  Gap corner;
  for (size_t i = 0; i < entries.size(); ++i) {
    const Result<Offsets> o = ComputeEntryLatDep(entries[i]);
    if (!o)
      return Error{UnreadableEntryMessage(i, entries[i], o.error())};
    corner.x += o->dx;
    corner.y += o->dy;
    AppendLine(out, CornerLine(i + 1, corner.y, corner.x));
  }
  return corner;
}

// "k,Y,X" with the entry's own texts, then the gap of the last point from
// the first point.
Result<Gap> AppendPointLayout(std::string& out, const std::vector<std::string>& entries,
                              const ProgramState& state) {
  AppendLine(out, "POINT LIST (PN, N, E)");
  PointFields last;
  std::string line;
  for (size_t i = 0; i < entries.size(); ++i) {
    const std::string_view entry = entries[i];
    const Result<PointFields> p = ReadPointEntry(entry);
    if (!p)
      return Error{UnreadableEntryMessage(i, entry, p.error())};
    const size_t separator = entry.find(" , ");
    std::string_view y_text = entry.substr(separator + 3);
    y_text = y_text.substr(0, y_text.find(" , "));
    line = PlainCount(i + 1);
    line += ',';
    line += y_text;
    line += ',';
    line += entry.substr(0, separator);
    AppendLine(out, line);
    last = *p;
  }
  return Gap{last.x - state.FirstPointX, last.y - state.FirstPointY};
}

// "LEAD" value "TAIL" CR LF, the value in the report's pattern.
void AppendFigureLine(std::string& out, std::string_view lead, double value, int extra_hashes,
                      std::string_view tail) {
  out += lead;
  AppendReportPattern(out, value, extra_hashes);
  out += tail;
  out += "\r\n";
}

void AppendAreaLines(std::string& out, double area, const std::string& unit) {
  if (unit == "LF") {
    AppendFigureLine(out, "AREA   : ", area, 5, " SF   ");
    AppendFigureLine(out, "       : ", area / 43560, 4, " Ac");
  } else if (unit == "m.") {
    AppendFigureLine(out, "AREA   : ", area, 5, " Square Meters  ");
    AppendFigureLine(out, "       : ", area * 0.0001, 6, " Hectares");
  }
}

// The most bytes the report can take. A bearing list is written once as it
// is, then as corner lines; a point list once, with its count before and its
// two fields swapped. The closure and area lines hold a pattern each, whose
// integer part alone can reach 310 digits, and the closure line the unit.
size_t ReportBound(const std::vector<std::string>& entries, bool point_layout,
                   const std::string& unit) {
  constexpr size_t kFigureLines = 3 * (64 + 1 + 310 + 1 + 16);
  size_t size = 128 + kFigureLines + unit.size();
  for (const std::string& e : entries)
    size += e.size() + 2;
  return size +
         (point_layout ? entries.size() * (kLongestCount + 2) : CornerLinesBound(entries.size()));
}

}  // namespace

Result<std::string> BoundaryReportBytes(EntryList& entries, const ProgramState& state) {
  if (entries.Empty())
    return std::string();
  // Never outgrown, so the report is never copied; the part of the
  // reservation left unwritten is never touched and takes no memory.
  const bool point_layout = state.EntryMode == "Point";
  std::string out;
  out.reserve(ReportBound(entries.Entries(), point_layout, state.UnitAbbrev));
  AppendLine(out, "BOUNDARY REPORT");
  AppendLine(out, "");
  const Result<Gap> gap = point_layout ? AppendPointLayout(out, entries.Entries(), state)
                                       : AppendBearingLayout(out, entries.Entries());
  if (!gap)
    return Error{gap.error()};
  AppendLine(out, "");
  AppendFigureLine(out, "CLOSURE: ", ComputeClosure(gap->x, gap->y), 10, " " + state.UnitAbbrev);
  if (state.UnitAbbrev == "LF" || state.UnitAbbrev == "m.") {
    const Result<double> area = ComputeArea(entries, state);
    if (!area)
      return Error{area.error()};
    AppendAreaLines(out, *area, state.UnitAbbrev);
  }
  entries.SelectLast();
  return out;
}

}  // namespace tw
