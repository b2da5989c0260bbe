#include "closure/closure_lines.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "closure/blunder_kind.h"
#include "closure/closure_forms.h"

namespace tw {

std::string AreaFigure(double area, std::string_view unit) {
  const std::optional<AreaWords> words = AreaWordsOf(unit);
  if (!words)
    return FixedForm(area) + ' ' + std::string(unit);
  return FixedForm(area) + ' ' + std::string(words->square) + " (" +
         FixedForm(words->convert(area)) + ' ' + std::string(words->large) + ')';
}

std::string AreaLine(double area, std::string_view unit) {
  return "Area: " + AreaFigure(area, unit);
}

std::vector<std::string> VerdictLines(const ClosureAnalysis& a, DigitGroups groups) {
  const ClosureFigures& f = a.figures;
  std::vector<std::string> lines;
  if (f.precision.exact)
    lines.push_back("Misclosure: " + FixedForm(0));
  else
    lines.push_back("Misclosure: " + FixedForm(f.misclosure) + " towards " +
                    BearingForm(f.delta_east, f.delta_north));
  lines.push_back("Precision: " + PrecisionText(f.precision, groups));
  lines.push_back("Standard: " + RatioLabel(a.standard, groups) +
                  (a.standard_met ? " met" : " not met"));
  return lines;
}

namespace {

std::string LineNumbers(const BlunderFinding& f) {
  std::string out = "Line ";
  for (size_t k = 0; k < f.lines.size(); ++k) {
    if (k > 0)
      out += k + 1 == f.lines.size() ? " or " : ", ";
    out += std::to_string(f.lines[k].index + 1);
  }
  return out;
}

// "0°01'23\"": a turn of whole seconds.
std::string TurnText(double seconds) {
  const long long s = std::llround(std::fabs(seconds));
  std::string out = std::to_string(s / 3600) + '\xB0';
  AppendTwoDigits(out, s / 60 % 60);
  out += '\'';
  AppendTwoDigits(out, s % 60);
  return out + '"';
}

std::string KindText(const BlunderFinding& f) {
  std::string out(BlunderKindText(f.kind));
  if (f.kind == BlunderKind::WrongDistance)
    return "possible " + out + ", " + FixedForm(std::fabs(f.change)) +
           (f.change < 0 ? " shorter" : " longer");
  if (f.kind == BlunderKind::WrongBearing)
    return "possible " + out + ", turned " + TurnText(f.change) +
           (f.change < 0 ? " counter-clockwise" : " clockwise");
  return out;
}

}  // namespace

std::string FindingLine(const BlunderFinding& f) {
  const bool one_kind = std::all_of(f.lines.begin(), f.lines.end(),
                                    [&](const BlunderLine& l) { return l.kind == f.kind; });
  std::string out = LineNumbers(f) + ": ";
  for (size_t k = 0; k < f.lines.size(); ++k) {
    if (k > 0)
      out += " | ";
    out += f.lines[k].entry + " -> " + f.lines[k].corrected;
    if (!one_kind)
      out += " (" + std::string(BlunderKindText(f.lines[k].kind)) + ')';
  }
  if (one_kind)
    out += " (" + KindText(f) + ')';
  return out + ", precision after " + PrecisionText(f.after);
}

std::string MissingCourseLine(const ClosureFigures& figures) {
  return "A course may be missing: " + BearingForm(-figures.delta_east, -figures.delta_north) +
         " " + FixedForm(figures.misclosure) + " (between any two corners)";
}

}  // namespace tw
