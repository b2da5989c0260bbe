#include "report/boundary_report.h"

#include "boundary/bearing.h"
#include "boundary/entry.h"
#include "boundary/entry_mode.h"
#include "boundary/numbers.h"
#include "boundary/traverse.h"
#include "boundary/units.h"
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

void AppendAreaLines(std::string& out, double area, const UnitRecord& unit) {
  AppendLine(out, "AREA   : " + ReportPattern(area, 5) + " " + std::string(unit.report_square));
  AppendLine(out, "       : " + ReportPattern(unit.to_large(area), unit.report_large_digits) + " " +
                      std::string(unit.report_large));
}

}  // namespace

Result<std::string> BoundaryReportBytes(EntryList& entries, const ProgramState& state) {
  if (entries.Empty())
    return std::string();
  std::string out;
  out.reserve(256 + entries.Count() * 70);
  AppendLine(out, "BOUNDARY REPORT");
  AppendLine(out, "");
  const Result<Gap> gap = IsPointMode(state.EntryMode)
                              ? AppendPointLayout(out, entries.Entries(), state)
                              : AppendBearingLayout(out, entries.Entries());
  if (!gap)
    return Error{gap.error()};
  AppendLine(out, "");
  AppendLine(out, "CLOSURE: " + ReportPattern(ComputeClosure(gap->x, gap->y), 10) + " " +
                      state.UnitAbbrev);
  if (const UnitRecord* unit = UnitRecordFor(state.UnitAbbrev)) {
    const Result<double> area = ComputeArea(entries, state);
    if (!area)
      return Error{area.error()};
    AppendAreaLines(out, *area, *unit);
  }
  entries.SelectLast();
  return out;
}

}  // namespace tw
