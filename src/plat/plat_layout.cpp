#include "plat/plat_layout.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <functional>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "base/numbers.h"
#include "base/text.h"
#include "base/units.h"
#include "base/version.h"
#include "closure/closure_analysis.h"
#include "closure/closure_forms.h"
#include "closure/closure_lines.h"
#include "closure/closure_report.h"
#include "closure/closure_text.h"
#include "files/text_encoding.h"
#include "formats/export_commands.h"
#include "geometry/bearing_forms.h"
#include "plat/boundary_drawing.h"
#include "plat/corner_labels.h"
#include "plat/plat_scale.h"
#include "ports/message_box.h"

namespace tw {
namespace {

constexpr double kMargin = 15;         // mm around everything
constexpr double kTitleHeight = 28;    // the title block
constexpr double kFiguresHeight = 52;  // scale bar and four figure lines under the drawing
constexpr double kFigureSize = 10;     // points
constexpr double kFigureRow = 6;       // mm from one figure line to the next
constexpr double kLabelRoom = 14;      // kept free for labels inside the frame
constexpr double kThin = 0.2;          // mm
constexpr double kBoundaryWidth = 0.5;
constexpr double kLabelSize = 7;      // points
constexpr double kLabelGap = 1.2;     // mm between a line and its label
constexpr double kLabelHeight = 2.5;  // mm a 7-point label stands above its baseline
constexpr double kNumberGap = 0.3;    // mm kept clear around a corner number
constexpr double kRowHeight = 4.8;    // mm per table row
constexpr double kTableTop = kMargin + 8;
constexpr double kFooterGap = 8;  // mm from the bottom edge to "Page i of n"

constexpr const char* kLeftOutNote =
    "Labels of short lines and crowded corner numbers are left out: see the tables.";

struct Rect {
  double left, top, right, bottom;
  double Width() const { return right - left; }
  double Height() const { return bottom - top; }
};

void Frame(Page& page, const Rect& r, double width) {
  page.Line({r.left, r.top}, {r.right, r.top}, width);
  page.Line({r.right, r.top}, {r.right, r.bottom}, width);
  page.Line({r.right, r.bottom}, {r.left, r.bottom}, width);
  page.Line({r.left, r.bottom}, {r.left, r.top}, width);
}

std::string UnitsText(std::string_view unit) {
  const UnitRecord* r = UnitRecordFor(unit);
  return "Units: " + std::string(r ? r->plat_words : unit);
}

std::vector<std::string> FigureLines(const ClosureAnalysis& a, std::string_view unit) {
  std::vector<std::string> lines{AreaLine(a.area, unit)};
  if (a.kind == EntryKind::Point) {
    lines.push_back(kPointListCloses);
    return lines;
  }
  for (std::string& line : VerdictLines(a, DigitGroups::Thousands))
    lines.push_back(std::move(line));
  return lines;
}

std::string PageText(size_t i, size_t n) {
  return "Page " + std::to_string(i) + " of " + std::to_string(n);
}

void Footer(Page& page, PageSize size, size_t i, size_t n) {
  page.Text({size.width - kMargin, size.height - kFooterGap}, 8, 0, TextAlign::Right,
            PageText(i, n));
}

void TitleBlock(Page& page, PageSize size, const PlatHeading& heading, std::string_view unit) {
  const Rect box{kMargin, kMargin, size.width - kMargin, kMargin + kTitleHeight};
  Frame(page, box, kThin * 2);
  // The page's font has the code page's characters only; the PDF's own title
  // keeps the name in any script.
  page.Text({box.left + 3, box.top + 9}, 14, 0, TextAlign::Left, Utf8ToCp1252(heading.title));
  page.Text({box.left + 3, box.top + 17}, 10, 0, TextAlign::Left, "Date: " + heading.date);
  page.Text({box.left + 3, box.top + 24}, 10, 0, TextAlign::Left, UnitsText(unit));
  page.Text({box.right - 3, box.top + 9}, 10, 0, TextAlign::Right,
            std::string(kProgramTitle) + ' ' + kVersionText);
}

// Page millimetres of a drawing point: the boundary's box centred in `area`.
struct PlatMapping {
  double mm_per_unit;
  double centre_east, centre_north;
  double centre_x, centre_y;
  PagePoint operator()(PlanePoint p) const {
    return {centre_x + (p.east - centre_east) * mm_per_unit,
            centre_y - (p.north - centre_north) * mm_per_unit};
  }
};

struct Box {
  double west, south, east, north;
};

Box BoxOf(const std::vector<PlanePoint>& corners) {
  Box b{corners[0].east, corners[0].north, corners[0].east, corners[0].north};
  for (const PlanePoint& c : corners) {
    b.west = std::min(b.west, c.east);
    b.east = std::max(b.east, c.east);
    b.south = std::min(b.south, c.north);
    b.north = std::max(b.north, c.north);
  }
  return b;
}

// Turned to read from the left, never upside down.
double ReadableAngle(double dx, double dy) {
  double angle = std::atan2(dy, dx) * 180 / M_PI;
  if (angle > 90)
    angle -= 180;
  else if (angle <= -90)
    angle += 180;
  return angle;
}

// False, drawing nothing, where the line on paper is shorter than its label,
// as the screen leaves such a label out: the tables have it.
bool LineLabel(Page& page, const PlatMapping& map, const BoundaryDrawing& d,
               const BoundaryLine& line) {
  const PagePoint from = map(line.from);
  const PagePoint to = map(line.to);
  if (std::hypot(to.x - from.x, to.y - from.y) < page.TextWidth(kLabelSize, line.text))
    return false;
  const Offsets normal = OuterNormal(d, line);
  const double angle =
      ReadableAngle(line.to.east - line.from.east, line.to.north - line.from.north);
  const double rad = angle * M_PI / 180;
  // The text stands on the line's outer side: a label whose upward side
  // faces inward is moved out by its own height.
  const bool up_is_out = -std::sin(rad) * normal.east + std::cos(rad) * normal.north >= 0;
  const double offset = kLabelGap + (up_is_out ? 0 : kLabelHeight);
  const PagePoint mid{(from.x + to.x) / 2, (from.y + to.y) / 2};
  page.Text({mid.x + normal.east * offset, mid.y - normal.north * offset}, kLabelSize, angle,
            TextAlign::Centre, line.text);
  return true;
}

// The corner numbers already on the page, by cell, so that a new one is
// compared only with those near it: hundreds of thousands of corners can
// fall within a few millimetres.
class TakenBoxes {
 public:
  // True, and `r` taken, when it overlaps no box taken before.
  bool Take(const Rect& r) {
    const auto [x0, x1] = Cells(r.left, r.right);
    const auto [y0, y1] = Cells(r.top, r.bottom);
    for (long x = x0; x <= x1; ++x)
      for (long y = y0; y <= y1; ++y)
        for (const Rect& t : cells_[Key(x, y)])
          if (r.left < t.right && t.left < r.right && r.top < t.bottom && t.top < r.bottom)
            return false;
    for (long x = x0; x <= x1; ++x)
      for (long y = y0; y <= y1; ++y)
        cells_[Key(x, y)].push_back(r);
    return true;
  }

 private:
  static constexpr double kCell = 5;  // mm
  static std::pair<long, long> Cells(double from, double to) {
    return {std::lround(std::floor(from / kCell)), std::lround(std::floor(to / kCell))};
  }
  static long Key(long x, long y) { return x * 4096 + y; }
  std::unordered_map<long, std::vector<Rect>> cells_;
};

// False when a number was left out for touching one already drawn.
bool CornerNumbers(Page& page, const PlatMapping& map, const BoundaryDrawing& d) {
  // A number takes its height and a gap each side, which at this scale
  // spans this many drawing units.
  const size_t count = NumberedCorners(d, (kLabelHeight + 2 * kNumberGap) / map.mm_per_unit);
  const PlanePoint mean = CornerMean(d.corners);
  TakenBoxes taken;
  bool all = true;
  for (size_t i = 0; i < count; ++i) {
    const PlanePoint c = d.corners[i];
    const PlanePoint out = OutwardOf(c, mean);
    const PagePoint at = map(c);
    const PagePoint base{at.x + out.east * 3, at.y - out.north * 3 + 1};
    const std::string number = std::to_string(i + 1);
    const double half = page.TextWidth(kLabelSize, number) / 2 + kNumberGap;
    if (!taken.Take({base.x - half, base.y - kLabelHeight - kNumberGap, base.x + half,
                     base.y + kNumberGap})) {
      all = false;
      continue;
    }
    page.Text(base, kLabelSize, 0, TextAlign::Centre, number);
  }
  return all;
}

void NorthArrow(Page& page, const Rect& area) {
  const double x = area.right - 10;
  const double tip = area.top + 9;
  const double tail = area.top + 24;
  page.Line({x, tail}, {x, tip}, kThin * 2);
  page.Line({x, tip}, {x - 2, tip + 4}, kThin * 2);
  page.Line({x, tip}, {x + 2, tip + 4}, kThin * 2);
  page.Text({x, tip - 1.5}, 10, 0, TextAlign::Centre, "N");
}

// A bar of a round length of at least 30 mm, marked at 0, half and whole.
void ScaleBar(Page& page, const PlatScale& scale, PagePoint at) {
  const ScaleBarLength bar = BarLengthOf(scale, 30);
  const std::string unit = scale.feet_per_inch ? " ft" : " m";
  page.Line(at, {at.x + bar.mm, at.y}, kThin * 3);
  for (double part : {0.0, 0.5, 1.0}) {
    const double x = at.x + bar.mm * part;
    page.Line({x, at.y - 1.5}, {x, at.y + 1.5}, kThin);
    page.Text({x, at.y - 2.5}, 7, 0, TextAlign::Centre,
              BarNumberText(bar.units * part) + (part == 1 ? unit : ""));
  }
}

void DrawBoundary(Page& page, const PlatMapping& map, const BoundaryDrawing& d, const Rect& area) {
  for (const BoundaryLine& line : d.lines) {
    if (line.closing && d.kind == EntryKind::Angle)
      page.DashedLine(map(line.from), map(line.to), kBoundaryWidth / 2);
    else
      page.Line(map(line.from), map(line.to), kBoundaryWidth);
  }
  bool all = true;
  for (const BoundaryLine& line : d.lines)
    all &= LineLabel(page, map, d, line);
  all &= CornerNumbers(page, map, d);
  if (!all)
    page.Text({area.left + 3, area.bottom - 3}, kLabelSize, 0, TextAlign::Left, kLeftOutNote);
}

// A figure line broken wherever it would run past `width` mm: the digits of
// a vast area do not fit one line.
std::vector<std::string> Wrapped(Page& page, const std::string& text, double width) {
  std::vector<std::string> lines(1);
  double used = 0;
  for (char c : text) {
    const double w = page.TextWidth(kFigureSize, std::string_view(&c, 1));
    if (used + w > width && !lines.back().empty()) {
      lines.emplace_back();
      used = 0;
    }
    lines.back() += c;
    used += w;
  }
  return lines;
}

void FirstPage(Page& page, PageSize size, const PlatHeading& heading, std::string_view unit,
               const BoundaryDrawing& d, const ClosureAnalysis& a, size_t pages) {
  TitleBlock(page, size, heading, unit);
  std::vector<std::string> figures;
  for (const std::string& line : FigureLines(a, unit))
    for (std::string& part : Wrapped(page, line, size.width - 2 * kMargin))
      figures.push_back(std::move(part));
  const double below = kFiguresHeight + kFigureRow * std::max(0.0, figures.size() - 4.0);
  const Rect area{kMargin, kMargin + kTitleHeight + 4, size.width - kMargin,
                  size.height - kMargin - below};
  Frame(page, area, kThin);
  const Box box = BoxOf(d.corners);
  const std::optional<PlatScale> scale =
      ChooseScale(unit, box.east - box.west, box.north - box.south, area.Width() - 2 * kLabelRoom,
                  area.Height() - 2 * kLabelRoom);
  double y = area.bottom + 7;
  if (scale) {
    const PlatMapping map{scale->MmPerUnit(), (box.west + box.east) / 2,
                          (box.south + box.north) / 2, (area.left + area.right) / 2,
                          (area.top + area.bottom) / 2};
    DrawBoundary(page, map, d, area);
    page.Text({kMargin, y}, kFigureSize, 0, TextAlign::Left, ScaleText(*scale));
    ScaleBar(page, *scale, {size.width / 2, y - 1});
  } else {
    page.Text({kMargin, y}, kFigureSize, 0, TextAlign::Left, NoScaleText(unit));
  }
  NorthArrow(page, area);
  for (const std::string& line : figures) {
    y += kFigureRow;
    page.Text({kMargin, y}, kFigureSize, 0, TextAlign::Left, line);
  }
  Footer(page, size, 1, pages);
}

// The tables after page 1.
struct Column {
  const char* title;
  double x;  // mm from the left margin
  TextAlign align;
};

// A table's rows are written as they are drawn: a plat of 200,000 lines
// would otherwise hold a million cell texts at once.
struct Table {
  const char* title;
  std::vector<Column> columns;
  size_t count;
  std::function<std::vector<std::string>(size_t)> row;
};

Table LinesTable(const BoundaryDrawing& d, const ClosureAnalysis& a) {
  const bool bearings = d.kind == EntryKind::Angle;
  // A bearing list's misclosure is not a line of the list.
  const size_t count = d.lines.size() - (bearings && !d.lines.empty() && d.lines.back().closing);
  return {"Lines",
          {{"No.", 10, TextAlign::Right},
           {kLineTitles[0], 15, TextAlign::Left},
           {kLineTitles[1], 85, TextAlign::Right},
           {kLineTitles[2], 125, TextAlign::Right},
           {kLineTitles[3], 165, TextAlign::Right}},
          count,
          [&d, &a, bearings](size_t i) -> std::vector<std::string> {
            const BoundaryLine& l = d.lines[i];
            double dx = l.to.east - l.from.east;
            double dy = l.to.north - l.from.north;
            double length = std::hypot(dx, dy);
            if (bearings) {
              dx = a.lines[i].offsets.east;
              dy = a.lines[i].offsets.north;
              length = a.lines[i].length;
            }
            return {std::to_string(i + 1), BearingForm(dx, dy), FixedForm(length), FixedForm(dy),
                    FixedForm(dx)};
          }};
}

Table CornersTable(const BoundaryDrawing& d) {
  return {"Corners",
          {{"No.", 10, TextAlign::Right},
           {kCornerTitles[0], 55, TextAlign::Right},
           {kCornerTitles[1], 95, TextAlign::Right}},
          d.corners.size(),
          [&d](size_t i) -> std::vector<std::string> {
            const PlanePoint c = d.corners[i];
            return {std::to_string(i + 1), FixedForm(c.north + d.origin.north),
                    FixedForm(c.east + d.origin.east)};
          }};
}

// One printed row: a table's heading, its column titles, or its data.
struct Row {
  const Table* table;
  enum Kind { Heading, Titles, Data } kind;
  size_t index;  // data row, or 1 for a continued heading
};

std::vector<std::vector<Row>> Paginate(const std::vector<Table>& tables, size_t per_page) {
  std::vector<std::vector<Row>> pages(1);
  for (const Table& t : tables) {
    size_t next = 0;
    while (next < t.count) {
      if (pages.back().size() + 3 > per_page)
        pages.emplace_back();
      pages.back().push_back({&t, Row::Heading, next == 0 ? 0u : 1u});
      pages.back().push_back({&t, Row::Titles, 0});
      while (next < t.count && pages.back().size() < per_page)
        pages.back().push_back({&t, Row::Data, next++});
      if (next < t.count)
        pages.emplace_back();
    }
    if (!pages.back().empty() && pages.back().size() < per_page)
      pages.back().push_back({nullptr, Row::Heading, 0});  // a gap between the tables
  }
  while (!pages.empty() && pages.back().empty())
    pages.pop_back();
  return pages;
}

void DrawRow(Page& page, const Row& row, double y) {
  if (!row.table)
    return;
  const Table& t = *row.table;
  if (row.kind == Row::Heading) {
    page.Text({kMargin, y}, 11, 0, TextAlign::Left,
              std::string(t.title) + (row.index == 1 ? " (continued)" : ""));
    return;
  }
  const std::vector<std::string> cells =
      row.kind == Row::Data ? t.row(row.index) : std::vector<std::string>{};
  for (size_t c = 0; c < t.columns.size(); ++c) {
    const Column& col = t.columns[c];
    page.Text({kMargin + col.x, y}, 9, 0, col.align,
              row.kind == Row::Titles ? col.title : cells[c]);
  }
  if (row.kind == Row::Titles)
    page.Line({kMargin, y + 1.2}, {kMargin + t.columns.back().x, y + 1.2}, kThin);
}

// The report's lines a page each, the cells of its tables set in columns as
// wide as a digit, so that the numbers line up in the page's proportional font.
std::vector<std::vector<ReportLine>> ReportPages(std::vector<ReportLine> lines, size_t per_page) {
  std::vector<std::vector<ReportLine>> pages;
  for (size_t i = 0; i < lines.size(); ++i) {
    if (i % per_page == 0)
      pages.emplace_back();
    pages.back().push_back(std::move(lines[i]));
  }
  return pages;
}

void DrawReportLine(Page& page, const ReportLine& line, double y, double column) {
  if (line.cells.empty()) {
    page.Text({kMargin, y}, 9, 0, TextAlign::Left, Utf8ToCp1252(line.text));
    return;
  }
  for (const ReportCell& cell : line.cells) {
    const double x = kMargin + column * static_cast<double>(cell.left ? cell.from : cell.to);
    page.Text({x, y}, 9, 0, cell.left ? TextAlign::Left : TextAlign::Right,
              Utf8ToCp1252(cell.text));
  }
}

}  // namespace

std::string PlatTitleOf(std::string_view path) {
  if (path.empty())
    return std::string(kUntitled);
  return std::string(FileNameOf(path));
}

std::string TodayText() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[16];
  return std::string(text, std::strftime(text, sizeof text, "%Y-%m-%d", &local));
}

PageSize PlatPaperOf(std::string_view unit) {
  const UnitRecord* r = UnitRecordFor(unit);
  return r && r->plat_paper == PlatPaper::A4 ? kA4 : kLetter;
}

Status LayOutPlat(const EntryList& entries, const ProgramState& state, const PlatHeading& heading,
                  PageSize size, Page& page) {
  if (entries.Empty())
    return Error{kNothingToExport};
  ClosureOptions options;
  options.standard = heading.standard;
  options.find_blunders = false;
  const Result<ClosureAnalysis> analysis = AnalyseClosure(entries, state, options);
  if (!analysis)
    return Error{analysis.error()};
  const Result<BoundaryDrawing> drawing = DrawingOf(entries);
  if (!drawing)
    return Error{drawing.error()};
  const std::vector<Table> tables{LinesTable(*drawing, *analysis), CornersTable(*drawing)};
  const double body = size.height - kTableTop - kMargin - kFooterGap;
  const auto per_page = static_cast<size_t>(std::max(4.0, std::floor(body / kRowHeight)));
  const std::vector<std::vector<Row>> pages = Paginate(tables, per_page);
  std::vector<std::vector<ReportLine>> report_pages;
  if (heading.closure_report) {
    Result<std::vector<ReportLine>> report = ClosureReportLines(
        *analysis, entries.Entries(), {heading.title, state.UnitAbbrev, heading.date});
    if (!report)
      return Error{report.error()};
    report_pages = ReportPages(std::move(report).take(), per_page);
  }
  const size_t count = pages.size() + report_pages.size() + 1;
  FirstPage(page, size, heading, state.UnitAbbrev, *drawing, *analysis, count);
  for (size_t p = 0; p < pages.size(); ++p) {
    page.NewPage();
    double y = kTableTop;
    for (const Row& row : pages[p]) {
      DrawRow(page, row, y);
      y += kRowHeight;
    }
    Footer(page, size, p + 2, count);
  }
  const double column = page.TextWidth(9, "0");
  for (size_t p = 0; p < report_pages.size(); ++p) {
    page.NewPage();
    double y = kTableTop;
    for (const ReportLine& line : report_pages[p]) {
      DrawReportLine(page, line, y, column);
      y += kRowHeight;
    }
    Footer(page, size, pages.size() + p + 2, count);
  }
  return Ok();
}

}  // namespace tw
