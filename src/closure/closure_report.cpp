#include "closure/closure_report.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <utility>
#include <vector>

#include "base/entry_mode.h"
#include "base/numbers.h"
#include "base/units.h"
#include "base/version.h"
#include "closure/closure_figures.h"
#include "files/text_encoding.h"
#include "formats/corners.h"
#include "geometry/bearing.h"
#include "geometry/bearing_forms.h"
#include "ports/message_box.h"

namespace tw {
namespace {

using Lines = std::vector<ReportLine>;

void Line(Lines& out, std::string_view text) {
  out.push_back({std::string(text), {}});
}

void Gap(Lines& out) {
  out.emplace_back();
}

// "2026-12-07" of a count of days since 1970-01-01, by the proleptic
// Gregorian calendar (the civil-from-days rule of the 400-year era).
std::string DayText(std::int64_t days) {
  days += 719468;
  const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
  const std::int64_t of_era = days - era * 146097;
  const std::int64_t year_of_era =
      (of_era - of_era / 1460 + of_era / 36524 - of_era / 146096) / 365;
  const std::int64_t day_of_year =
      of_era - (365 * year_of_era + year_of_era / 4 - year_of_era / 100);
  const std::int64_t month_index = (5 * day_of_year + 2) / 153;
  const std::int64_t day = day_of_year - (153 * month_index + 2) / 5 + 1;
  const std::int64_t month = month_index < 10 ? month_index + 3 : month_index - 9;
  const std::int64_t year = year_of_era + era * 400 + (month <= 2 ? 1 : 0);
  std::string s = std::to_string(year) + '-';
  AppendTwoDigits(s, month);
  s += '-';
  AppendTwoDigits(s, day);
  return s;
}

// The words of the units: spelled out for the two systems, the text as held
// for any other, whose distances keep the analysis's four decimals.
struct SpelledUnits {
  std::string length;
  std::string area;
  int decimals = 4;
};

SpelledUnits SpelledOf(std::string_view unit) {
  const UnitRecord* record = UnitRecordFor(unit);
  if (record == nullptr) {
    const std::string held = Cp1252ToUtf8(unit);
    return {held, "square " + held, 4};
  }
  if (record->system == UnitSystem::Imperial)
    return {"feet", "square feet", 2};
  return {"metres", "square metres", 3};
}

std::string DistanceForm(double v, const SpelledUnits& units) {
  return ApplyPattern(v, 1, units.decimals, units.decimals);
}

std::string Bearing(QuadrantAngle q) {
  return Cp1252ToUtf8(QuadrantForm(q, false));
}

std::string AreaText(double area, std::string_view unit, const SpelledUnits& units) {
  std::string out = FixedForm(area) + ' ' + units.area;
  if (const std::optional<AreaWords> words = AreaWordsOf(unit))
    out += " (" + FixedForm(words->convert(area)) + ' ' + std::string(words->large) + ')';
  return out;
}

// A table: a header row, then rows of the same width; columns marked 'l' in
// `align` are left-aligned, the others right-aligned. Widths count characters,
// not bytes, for the degree sign.
using Row = std::vector<std::string>;

size_t Width(std::string_view s) {
  size_t n = 0;
  for (const char c : s)
    n += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
  return n;
}

void AppendTable(Lines& out, const std::vector<Row>& rows, std::string_view align) {
  std::vector<size_t> widths(rows.front().size(), 0);
  for (const Row& row : rows)
    for (size_t c = 0; c < row.size(); ++c)
      widths[c] = std::max(widths[c], Width(row[c]));
  for (const Row& row : rows) {
    ReportLine line;
    size_t from = 0;
    for (size_t c = 0; c < row.size(); ++c) {
      const std::string pad(widths[c] - Width(row[c]), ' ');
      if (c > 0) {
        line.text += "  ";
        from += 2;
      }
      const bool left = align[c] == 'l';
      line.text += left ? row[c] + pad : pad + row[c];
      line.cells.push_back({row[c], from, from + widths[c], left});
      from += widths[c];
    }
    while (!line.text.empty() && line.text.back() == ' ')
      line.text.pop_back();
    out.push_back(std::move(line));
  }
}

void AppendHead(Lines& out, const ReportHead& head, std::string_view unit_line) {
  Line(out, "Closure report");
  Line(out, "Project: " + Utf8FileName(head.title));
  Line(out, "Date: " + head.date);
  Line(out, std::string("Program: ") + kProgramTitle + ' ' + kVersionText);
  Line(out, unit_line);
}

std::string UnitLine(std::string_view unit, const SpelledUnits& units) {
  std::string line = "Units: distances in " + units.length + ", areas in " + units.area;
  if (const std::optional<AreaWords> words = AreaWordsOf(unit))
    line += " and " + std::string(words->large);
  return line;
}

std::string Coordinate(PlanePoint p) {
  return "north " + FixedForm(p.north) + ", east " + FixedForm(p.east);
}

// Point k of the report is corner k - 1 of the walk: point 1 is the start.
std::string PointNumber(size_t k, size_t count) {
  return std::to_string(k % count + 1);
}

void AppendCourses(Lines& out, const ClosureAnalysis& a, const EntryTexts& entries,
                   const SpelledUnits& units) {
  std::vector<Row> rows = {
      {"Course", "From", "To", "Bearing", "Distance", "Latitude", "Departure", "North", "East"}};
  PlanePoint at = a.start;
  const size_t n = a.lines.size();
  for (size_t i = 0; i < n; ++i) {
    BearingFieldsView f;
    ReadBearingEntryTo(entries[i], f);  // read once already by the analysis
    const Offsets& o = a.lines[i].offsets;
    at.north += o.north;
    at.east += o.east;
    rows.push_back(
        {std::to_string(i + 1), PointNumber(i, n), PointNumber(i + 1, n),
         Bearing(QuadrantOfDirection(DirectionAngle(f.quadrant, f.degrees, f.minutes, f.seconds))),
         DistanceForm(f.length, units), FixedForm(o.north), FixedForm(o.east), FixedForm(at.north),
         FixedForm(at.east)});
  }
  Line(out, "Courses as entered (North and East: the point reached)");
  AppendTable(out, rows, "rrrlrrrrr");
}

void AppendClosure(Lines& out, const ClosureAnalysis& a, std::string_view unit,
                   const SpelledUnits& units) {
  const ClosureFigures& f = a.figures;
  Line(out, "Misclosure in latitude: " + FixedForm(f.delta_north));
  Line(out, "Misclosure in departure: " + FixedForm(f.delta_east));
  if (f.precision.exact)
    Line(out, "Misclosure: " + FixedForm(0));
  else
    Line(out, "Misclosure: " + FixedForm(f.misclosure) + " towards " +
                  Bearing(QuadrantOf(f.delta_east, f.delta_north)) +
                  " (where the last course ends, seen from point 1)");
  Line(out, "Perimeter: " + DistanceForm(a.perimeter, units) + ' ' + units.length);
  Line(out, "Precision: " + PrecisionText(f.precision, DigitGroups::Thousands));
  Line(out, "Standard: " + RatioLabel(a.standard, DigitGroups::Thousands) +
                (a.standard_met ? ", met" : ", not met"));
  Line(out, "Area: " + AreaText(a.area, unit, units));
}

void AppendAdjustment(Lines& out, const ClosureAnalysis& a, const Adjustment& adjustment,
                      std::string_view unit, const SpelledUnits& units) {
  std::vector<Row> courses = {{"Course", "Lat. correction", "Dep. correction", "Bearing",
                               "Distance", "Latitude", "Departure"}};
  for (size_t i = 0; i < a.lines.size(); ++i) {
    const Offsets& was = a.lines[i].offsets;
    const TraverseLine& adj = adjustment.lines[i];
    courses.push_back({std::to_string(i + 1), FixedForm(adj.offsets.north - was.north),
                       FixedForm(adj.offsets.east - was.east),
                       Bearing(LineQuadrant(a, i, adj.offsets.east, adj.offsets.north)),
                       DistanceForm(adj.length, units), FixedForm(adj.offsets.north),
                       FixedForm(adj.offsets.east)});
  }
  AppendTable(out, courses, "rrrlrrr");
  Gap(out);
  // The last corner is point 1 again, to within the adjustment's rounding.
  const PlanePoint start = adjustment.start;
  std::vector<Row> points = {{"Point", "North", "East"},
                             {"1", FixedForm(start.north), FixedForm(start.east)}};
  for (size_t k = 0; k + 1 < adjustment.corners.size(); ++k) {
    const PlanePoint& c = adjustment.corners[k];
    points.push_back({std::to_string(k + 2), FixedForm(c.north), FixedForm(c.east)});
  }
  Line(out, "Adjusted points");
  AppendTable(out, points, "rrr");
  Gap(out);
  Line(out, "Adjusted area: " + AreaText(adjustment.area, unit, units));
}

void AppendBearingList(Lines& out, const ClosureAnalysis& a, const EntryTexts& entries,
                       std::string_view unit, const SpelledUnits& units) {
  Gap(out);
  Line(out, "Point 1 is the point of beginning, at " + Coordinate(a.start) + '.');
  Line(out, "Course k runs from point k to point k + 1, and the last course back to point 1,");
  Line(out, "as on the plot and the plat. The point export numbers the points after the");
  Line(out, "point of beginning from 1: its point k is point k + 1 here.");
  Gap(out);
  AppendCourses(out, a, entries, units);
  Gap(out);
  AppendClosure(out, a, unit, units);
  if (!a.method || !a.adjustment)
    return;
  Gap(out);
  Line(out, "Adjustment: " + std::string(RowOf(*a.method).title));
  if (!*a.adjustment)
    return Line(out, a.adjustment->error());
  AppendAdjustment(out, a, **a.adjustment, unit, units);
}

Status AppendPointList(Lines& out, const ClosureAnalysis& a, const EntryTexts& entries,
                       std::string_view unit, const SpelledUnits& units) {
  const Result<std::vector<PlanePoint>> corners =
      WalkCorners(entries, ModeText(ModeOption::Point), PlanePoint{});
  if (!corners)
    return Error{corners.error()};
  std::vector<Row> rows = {{"Point", "North", "East"}};
  for (size_t k = 0; k < corners->size(); ++k)
    rows.push_back(
        {std::to_string(k + 1), FixedForm((*corners)[k].north), FixedForm((*corners)[k].east)});
  Gap(out);
  Line(out, "Points as entered");
  AppendTable(out, rows, "rrr");
  Gap(out);
  Line(out, "A point list closes by definition: its last point joins its first.");
  Line(out, "Perimeter: " + DistanceForm(a.perimeter, units) + ' ' + units.length);
  Line(out, "Area: " + AreaText(a.area, unit, units));
  return Ok();
}

}  // namespace

std::string ReportDate(const char* source_date_epoch, std::time_t now) {
  if (source_date_epoch != nullptr) {
    const std::string_view text(source_date_epoch);
    std::int64_t seconds = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error == std::errc() && end == text.data() + text.size() && !text.empty() && seconds >= 0)
      return DayText(seconds / 86400);
  }
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d", &local));
}

std::string ReportDateToday() {
  return ReportDate(std::getenv("SOURCE_DATE_EPOCH"), std::time(nullptr));
}

Result<std::vector<ReportLine>> ClosureReportLines(const ClosureAnalysis& a,
                                                   const EntryTexts& entries,
                                                   const ReportHead& head) {
  const SpelledUnits units = SpelledOf(head.unit);
  Lines out;
  AppendHead(out, head, UnitLine(head.unit, units));
  if (a.kind == EntryKind::Point) {
    const Status listed = AppendPointList(out, a, entries, head.unit, units);
    if (!listed)
      return Error{listed.error()};
    return out;
  }
  AppendBearingList(out, a, entries, head.unit, units);
  return out;
}

Result<std::string> ClosureReport(const ClosureAnalysis& a, const EntryTexts& entries,
                                  const ReportHead& head) {
  const Result<std::vector<ReportLine>> lines = ClosureReportLines(a, entries, head);
  if (!lines)
    return Error{lines.error()};
  std::string out;
  for (const ReportLine& line : *lines) {
    out += line.text;
    out += '\n';
  }
  return out;
}

}  // namespace tw
