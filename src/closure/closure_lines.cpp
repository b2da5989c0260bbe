#include "closure/closure_lines.h"

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

std::string BlunderLine(const BlunderFinding& b) {
  return "Line " + std::to_string(b.index + 1) + ": " + b.entry + " -> " + b.corrected + " (" +
         std::string(BlunderKindText(b.kind)) + "), precision after " + PrecisionText(b.after);
}

}  // namespace tw
