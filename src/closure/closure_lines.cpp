#include "closure/closure_lines.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "closure/blunder_kind.h"
#include "geometry/bearing_forms.h"

namespace tw {

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

const Adjustment* MadeAdjustment(const ClosureAnalysis& a) {
  if (!a.method || !a.adjustment || !*a.adjustment)
    return nullptr;
  return &a.adjustment->value();
}

}  // namespace

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

std::string StandardNotMetLine(const ClosureAnalysis& a, DigitGroups groups,
                               std::string_view unit) {
  const size_t n = a.lines.size();
  return "The standard " + RatioLabel(a.standard, groups) +
         " is not met; the adjustment spreads a misclosure of " + FixedForm(a.figures.misclosure) +
         ' ' + std::string(unit) + " over " + std::to_string(n) + (n == 1 ? " line" : " lines");
}

std::string LargestChangeLine(const LengthChange& change, std::string_view unit) {
  return "Largest length change: " + FixedForm(std::fabs(change.change)) + ' ' + std::string(unit) +
         (change.change < 0 ? " shorter" : " longer") + " (line " +
         std::to_string(change.line + 1) + ')';
}

std::string WeakShapeLine() {
  return "A length changed by more than " + std::to_string(kWeakShapeRatio) +
         " times the misclosure: the traverse is too weakly shaped for Crandall; Compass suits it "
         "better";
}

bool CrandallTooWeak(const ClosureAnalysis& a) {
  const Adjustment* made = MadeAdjustment(a);
  return made && *a.method == AdjustMethod::Crandall &&
         TooWeaklyShaped(made->largest_change, a.figures.misclosure);
}

std::vector<std::string> AdjustmentNotes(const ClosureAnalysis& a, DigitGroups groups,
                                         std::string_view unit, ChangeShown shown) {
  std::vector<std::string> notes;
  const Adjustment* made = MadeAdjustment(a);
  if (!made)
    return notes;
  if (!a.standard_met)
    notes.push_back(StandardNotMetLine(a, groups, unit));
  if (*a.method != AdjustMethod::Crandall)
    return notes;
  const bool weak = CrandallTooWeak(a);
  if (weak || shown == ChangeShown::Always)
    notes.push_back(LargestChangeLine(made->largest_change, unit));
  if (weak)
    notes.push_back(WeakShapeLine());
  return notes;
}

}  // namespace tw
