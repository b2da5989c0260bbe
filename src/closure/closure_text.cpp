#include "closure/closure_text.h"

#include "base/numbers.h"
#include "closure/closure_lines.h"
#include "files/text_encoding.h"
#include "geometry/bearing_forms.h"

namespace tw {
namespace {

void Line(std::string& out, std::string_view text) {
  out += text;
  out += '\n';
}

std::string LineBearing(const ClosureAnalysis& a, size_t i, double east, double north) {
  return Cp1252ToUtf8(LineBearingForm(a, i, east, north));
}

void AppendFigures(std::string& out, const ClosureAnalysis& a) {
  const ClosureFigures& f = a.figures;
  Line(out, "Misclosure north: " + FixedForm(f.delta_north));
  Line(out, "Misclosure east: " + FixedForm(f.delta_east));
  for (const std::string& line : VerdictLines(a, DigitGroups::None))
    Line(out, Cp1252ToUtf8(line));
}

void AppendAdjustment(std::string& out, const ClosureAnalysis& a, std::string_view unit) {
  out += '\n';
  Line(out, "Adjustment: " + std::string(MethodName(*a.method)));
  const Result<Adjustment>& adjustment = *a.adjustment;
  if (!adjustment) {
    Line(out, adjustment.error());
    return;
  }
  for (const std::string& note :
       AdjustmentNotes(a, DigitGroups::None, unit, ChangeShown::WhenTooWeak))
    Line(out, Cp1252ToUtf8(note));
  for (size_t i = 0; i < a.lines.size(); ++i) {
    const TraverseLine& l = a.lines[i];
    const TraverseLine& adj = adjustment->lines[i];
    Line(out, "Line " + std::to_string(i + 1) + ": " +
                  LineBearing(a, i, l.offsets.east, l.offsets.north) + ' ' + FixedForm(l.length) +
                  " -> " + LineBearing(a, i, adj.offsets.east, adj.offsets.north) + ' ' +
                  FixedForm(adj.length) + " (lat " + FixedForm(adj.offsets.north) + ", dep " +
                  FixedForm(adj.offsets.east) + ')');
  }
  for (size_t k = 0; k < adjustment->corners.size(); ++k) {
    const PlanePoint& c = adjustment->corners[k];
    Line(out, "Corner " + std::to_string(k + 1) + ": N " + FixedForm(c.north) + " E " +
                  FixedForm(c.east));
  }
  Line(out, "Adjusted area: " + Cp1252ToUtf8(AreaFigure(adjustment->area, unit)));
}

void AppendBlunders(std::string& out, const ClosureAnalysis& a) {
  out += '\n';
  if (a.standard_met)
    return Line(out, "Blunders: none needed");
  if (!a.blunders_searched)
    return Line(out, "Blunders: not searched");
  if (a.course_may_be_missing) {
    Line(out, "Blunders: no single-entry fix found");
    return Line(out, Cp1252ToUtf8(MissingCourseLine(a.figures)));
  }
  if (a.blunders.empty())
    return Line(out, std::string("Blunders: ") + kAccumulatedError);
  Line(out, "Blunders:");
  for (const BlunderFinding& b : a.blunders)
    Line(out, Cp1252ToUtf8(FindingLine(b)));
}

}  // namespace

std::string ClosureText(const ClosureAnalysis& a, std::string_view title, std::string_view unit) {
  std::string out;
  Line(out, "Closure of " + Utf8FileName(title));
  out += ClosureFiguresText(a, unit);
  if (a.kind == EntryKind::Point)
    return out;
  if (a.method && a.adjustment)
    AppendAdjustment(out, a, unit);
  AppendBlunders(out, a);
  return out;
}

std::string ClosureFiguresText(const ClosureAnalysis& a, std::string_view unit) {
  std::string out;
  Line(out, "Lines: " + std::to_string(a.count));
  Line(out, "Perimeter: " + FixedForm(a.perimeter) + ' ' + Cp1252ToUtf8(unit));
  if (a.kind == EntryKind::Point) {
    Line(out, kPointListCloses);
    Line(out, Cp1252ToUtf8(AreaLine(a.area, unit)));
    return out;
  }
  AppendFigures(out, a);
  Line(out, Cp1252ToUtf8(AreaLine(a.area, unit)));
  return out;
}

}  // namespace tw
