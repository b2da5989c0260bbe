#include "entry/curve_fields.h"

#include <tuple>
#include <utility>

#include "base/angle_constant.h"
#include "base/numbers.h"
#include "base/quote.h"
#include "base/text.h"
#include "boundary/entry.h"
#include "geometry/bearing.h"
#include "geometry/bearing_forms.h"

namespace tw {
namespace {

constexpr int kMostDeltaDegrees = 359;
constexpr int kMostBearingDegrees = 90;
constexpr int kMostSubunits = 59;

std::string Quoted(std::string_view text) {
  return "\"" + QuoteForMessage(text) + "\"";
}

void FillToTwo(std::string& text) {
  if (text.empty())
    text = "00";
  else if (text.size() < 2)
    text.insert(0, "0");
}

void FillDistance(std::string& text) {
  if (!text.empty() && text.size() < 2)
    text.insert(0, "0");
}

// Digits only, `min_digits` to `max_digits` of them, at most `most`.
std::optional<int> WholeField(std::string_view text, size_t min_digits, size_t max_digits,
                              int most) {
  if (text.size() < min_digits || text.size() > max_digits)
    return std::nullopt;
  int value = 0;
  for (char c : text) {
    if (!IsDigit(c))
      return std::nullopt;
    value = value * 10 + (c - '0');
  }
  return value <= most ? std::optional<int>(value) : std::nullopt;
}

Result<WholeAngle> ReadAngleBoxes(std::string_view what, std::string_view d, std::string_view m,
                                  std::string_view s, size_t most_digits, int most) {
  const std::optional<int> degrees = WholeField(d, 2, most_digits, most);
  if (!degrees)
    return Error{"the " + std::string(what) + "'s degrees " + Quoted(d) +
                 " must be a whole number from 0 to " + std::to_string(most)};
  WholeAngle a{*degrees, 0, 0};
  for (auto [name, text, value] :
       {std::tuple<const char*, std::string_view, int*>{"minutes", m, &a.minutes},
        {"seconds", s, &a.seconds}}) {
    const std::optional<int> read = WholeField(text, 2, 2, kMostSubunits);
    if (!read)
      return Error{"the " + std::string(what) + "'s " + name + " " + Quoted(text) +
                   " must be a whole number from 0 to 59"};
    *value = *read;
  }
  return a;
}

Result<double> ReadDistance(std::string_view what, std::string_view text) {
  const std::optional<double> value = ConvertStrict(text);
  if (!value)
    return Error{"the " + std::string(what) + " " + Quoted(text) + " is not a number"};
  if (*value <= 0)
    return Error{"the " + std::string(what) + " must be more than 0"};
  return *value;
}

// The size's text as the entry holds it, checked against the radius.
Result<std::string> SizeText(const CurveFields& f, double radius) {
  if (f.size == CurveSize::Delta) {
    const Result<WholeAngle> delta = ReadAngleBoxes("delta", f.delta_degrees, f.delta_minutes,
                                                    f.delta_seconds, 3, kMostDeltaDegrees);
    if (!delta)
      return Error{delta.error()};
    if ((delta->degrees | delta->minutes | delta->seconds) == 0)
      return Error{"the delta must be more than 0"};
    return WholeAngleText(*delta);
  }
  const bool arc = f.size == CurveSize::Arc;
  const Result<double> length = ReadDistance(arc ? "arc" : "chord", f.length);
  if (!length)
    return Error{length.error()};
  if (arc && *length >= 2 * kAngleConstant * radius)
    return Error{"the arc is not shorter than the whole circle of that radius"};
  if (!arc && *length > 2 * radius)
    return Error{"the chord is longer than twice the radius"};
  return f.length;
}

Result<std::string> BearingText(const CurveFields& f) {
  const char* what = f.aim == CurveAim::ChordBearing ? "chord bearing" : "radial bearing";
  if (!IsQuadrant(f.quadrant))
    return Error{Quoted(f.quadrant) + " is not a quadrant"};
  const Result<WholeAngle> a =
      ReadAngleBoxes(what, f.degrees, f.minutes, f.seconds, 2, kMostBearingDegrees);
  if (!a)
    return Error{a.error()};
  if (a->degrees == kMostBearingDegrees && (a->minutes | a->seconds) != 0)
    return Error{"the " + std::string(what) + " is more than 90 degrees from the meridian"};
  return CurveBearingText(f.quadrant, *a);
}

}  // namespace

bool HasCurveSize(const CurveFields& f) {
  if (f.radius.empty())
    return false;
  if (f.size != CurveSize::Delta)
    return !f.length.empty();
  return !(f.delta_degrees.empty() && f.delta_minutes.empty() && f.delta_seconds.empty());
}

void PadCurveFields(CurveFields& f) {
  FillDistance(f.radius);
  FillDistance(f.length);
  for (std::string* box :
       {&f.delta_degrees, &f.delta_minutes, &f.delta_seconds, &f.degrees, &f.minutes, &f.seconds})
    FillToTwo(*box);
}

Result<CurveDraft> DraftCurve(const CurveFields& f, std::string_view unit,
                              std::optional<double> heading_before) {
  if (unit.size() != kUnitWidth)
    return Error{"the unit " + Quoted(unit) + " of the boundary is not two characters long"};
  const Result<double> radius = ReadDistance("radius", f.radius);
  if (!radius)
    return Error{radius.error()};
  const Result<std::string> size = SizeText(f, *radius);
  if (!size)
    return Error{size.error()};
  std::string bearing;
  if (f.aim == CurveAim::Tangent) {
    if (!heading_before)
      return Error{kTangentFirstReason};
  } else {
    Result<std::string> read = BearingText(f);
    if (!read)
      return Error{read.error()};
    bearing = std::move(*read);
  }
  CurveDraft draft;
  draft.entry = ComposeCurveEntry({.side = f.side,
                                   .radius = f.radius,
                                   .size = f.size,
                                   .size_text = *size,
                                   .major = f.major,
                                   .aim = f.aim,
                                   .bearing = bearing,
                                   .unit = unit});
  // The boxes were checked field by field; the reader has the last word, so
  // that no entry goes into the list that a file could not give back.
  const Result<CurveCall> call = ReadCurveEntry(draft.entry);
  if (!call)
    return Error{call.error()};
  if (!ComputeCurve(*call, heading_before, draft.elements))
    return Error{kTangentFirstReason};
  return draft;
}

std::string CurvePreview(CurveFields f, std::string_view unit,
                         std::optional<double> heading_before) {
  if (f.radius.empty())
    return "Curve: enter its radius";
  if (!HasCurveSize(f))
    return f.size == CurveSize::Delta ? "Curve: enter its delta"
           : f.size == CurveSize::Arc ? "Curve: enter its arc length"
                                      : "Curve: enter its chord";
  PadCurveFields(f);
  const Result<CurveDraft> draft = DraftCurve(f, unit, heading_before);
  if (!draft)
    return "Not a curve: " + draft.error();
  // The letters the elements go by on a plat, to fit the strip's one row.
  const CurveElements& e = draft->elements;
  std::string line = "R " + FixedForm(e.radius) + " Delta " +
                     AngleForm(e.delta * 180 / kAngleConstant) + " L " + FixedForm(e.arc) + " C " +
                     FixedForm(e.chord) + " CB " + HeadingForm(e.chord_heading);
  if (HasTangentLength(e))
    line += " T " + FixedForm(TangentLength(e));
  return line;
}

}  // namespace tw
