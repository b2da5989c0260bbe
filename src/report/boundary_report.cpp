#include "report/boundary_report.h"

#include <algorithm>

#include "base/entry_mode.h"
#include "base/numbers.h"
#include "base/units.h"
#include "boundary/entry.h"
#include "formats/count_form.h"
#include "formats/point_file.h"
#include "formats/text_lines.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

// Room for a curve's element line with lengths below some 10^12; a vaster
// radius only makes the report grow once more.
constexpr size_t kCurveLineRoom = 128;

size_t CurveCount(const EntryTexts& entries) {
  return static_cast<size_t>(std::count_if(entries.begin(), entries.end(), IsCurveEntry));
}

// The entries as they stand, each curve followed by its elements. Those take
// a walk, as a tangent curve follows the entries before it; a list without
// curves is copied as it is.
std::optional<UnreadableEntry> AppendEntryLines(std::string& out, const EntryTexts& entries,
                                                bool curves) {
  if (!curves) {
    for (std::string_view e : entries)
      AppendLine(out, e);
    return std::nullopt;
  }
  std::string line;
  return WalkEntries(entries, EntryKind::Angle, PlanePoint{}, [&](const CornerStep& s) {
    AppendLine(out, entries[s.index]);
    if (s.is_curve) {
      line = "  ";
      line += CurveElementsLine(s.arc);
      AppendLine(out, line);
    }
  });
}

// "BEARING  @DISTANCE", the entries, then the corners from (0, 0), whose
// sums give the closure and the area.
Result<CornerSums> AppendBearingLayout(std::string& out, const EntryTexts& entries) {
  AppendLine(out, "BEARING  @DISTANCE");
  if (const std::optional<UnreadableEntry> stop =
          AppendEntryLines(out, entries, CurveCount(entries) > 0))
    return Error{stop->message};
  AppendLine(out, "");
  AppendLine(out, "POINT LIST (PN, N, E)");
  CornerSums sums(PlanePoint{});
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, EntryKind::Angle, PlanePoint{}, [&](const CornerStep& s) {
        AppendCornerLine(out, s.index + 1, s.corner.north, s.corner.east);
        sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  return sums;
}

// "k,Y,X" with the entry's own texts; the sums of the corners from the first
// point give the closure and the area.
Result<CornerSums> AppendPointLayout(std::string& out, const EntryTexts& entries,
                                     const ProgramState& state) {
  AppendLine(out, "POINT LIST (PN, N, E)");
  CornerSums sums(PlanePoint{state.FirstPointX, state.FirstPointY});
  std::string line;
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, EntryKind::Point, PlanePoint{}, [&](const CornerStep& s) {
        // The walk has read the entry, so it splits.
        const PointTexts t = *SplitPointEntry(entries[s.index]);
        line = PlainCount(s.index + 1);
        line += ',';
        line += t.y;
        line += ',';
        line += t.x;
        AppendLine(out, line);
        sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  return sums;
}

// "LEAD" value "TAIL" CR LF, the value in the report's pattern.
void AppendFigureLine(std::string& out, std::string_view lead, double value, int extra_hashes,
                      std::string_view tail) {
  out += lead;
  AppendReportPattern(out, value, extra_hashes);
  out += tail;
  out += "\r\n";
}

void AppendAreaLines(std::string& out, double area, const UnitRecord& unit) {
  AppendFigureLine(out, "AREA   : ", area, 5, " " + std::string(unit.report_square));
  AppendFigureLine(out, "       : ", unit.to_large(area), unit.report_large_digits,
                   " " + std::string(unit.report_large));
}

// The most bytes the report can take. A bearing list is written once as it
// is, then as corner lines; a point list once, with its count before and its
// two fields swapped. The closure and area lines hold a pattern each, whose
// integer part alone can reach 310 digits, and the closure line the unit.
size_t ReportBound(const EntryTexts& entries, bool point_layout, const std::string& unit) {
  constexpr size_t kFigureLines = size_t{3} * (64 + 1 + 310 + 1 + 16);
  const size_t size = 128 + kFigureLines + unit.size() + entries.text_size() + 2 * entries.size();
  if (point_layout)
    return size + entries.size() * (kLongestCount + 2);
  return size + CornerLinesBound(entries.size()) + CurveCount(entries) * kCurveLineRoom;
}

}  // namespace

Result<CornerSums> AppendReportCorners(std::string& out, const EntryTexts& entries,
                                       const ProgramState& state) {
  return IsPointMode(state.EntryMode) ? AppendPointLayout(out, entries, state)
                                      : AppendBearingLayout(out, entries);
}

Result<std::string> BoundaryReportBytes(EntryList& entries, const ProgramState& state) {
  if (entries.Empty())
    return std::string();
  // Never outgrown but by a vast curve, so the report is not copied; the part
  // of the reservation left unwritten is never touched and takes no memory.
  const bool point_layout = IsPointMode(state.EntryMode);
  std::string out;
  out.reserve(ReportBound(entries.Entries(), point_layout, state.UnitAbbrev));
  AppendLine(out, "BOUNDARY REPORT");
  AppendLine(out, "");
  const Result<CornerSums> sums = AppendReportCorners(out, entries.Entries(), state);
  if (!sums)
    return Error{sums.error()};
  const BoundaryFigures figures = sums->Close();
  AppendLine(out, "");
  AppendFigureLine(out, "CLOSURE: ", figures.closure, 10, " " + state.UnitAbbrev);
  if (const UnitRecord* unit = UnitRecordFor(state.UnitAbbrev)) {
    // The area is read by the kind of entry 0, the layout by the mode: they
    // differ only in a file that contradicts itself, read again for the area.
    const EntryKind layout_kind = point_layout ? EntryKind::Point : EntryKind::Angle;
    const Result<double> area = KindOf(entries.At(0)) == layout_kind ? Result<double>(figures.area)
                                                                     : ComputeArea(entries, state);
    if (!area)
      return Error{area.error()};
    AppendAreaLines(out, *area, *unit);
  }
  entries.SelectLast();
  return out;
}

}  // namespace tw
