#include "boundary/entry.h"

#include <cmath>
#include <optional>

#include "base/numbers.h"
#include "base/quote.h"
#include "base/text.h"
#include "boundary/curve_entry.h"

namespace tw {
namespace {

constexpr size_t kShortestBearingEntry = kDistanceAt + kUnitWidth;  // "NE 00°00'00'' @" + unit

// A field's value by the strict conversion; false when it is not a number.
bool ReadNumber(std::string_view text, double& value) {
  // Two digits, as nearly every angle field is, need no general conversion;
  // the area and the redraw read three of them per entry.
  if (text.size() == 2 && IsDigit(text[0]) && IsDigit(text[1])) {
    value = (text[0] - '0') * 10 + (text[1] - '0');
    return true;
  }
  return ConvertStrictTo(text, value);
}

bool IsWhole(double v) {
  return v >= 0 && std::floor(v) == v;
}

Error NotANumber(std::string_view name, std::string_view text) {
  return Error{"the " + std::string(name) + " \"" + QuoteForMessage(text) + "\" is not a number"};
}

}  // namespace

bool ReadAngleField(std::string_view text, double& value) {
  return text.size() == kAngleFieldWidth && ReadNumber(text, value);
}

bool IsWithinBoxLimits(const BearingFieldsView& f) {
  return IsWhole(f.degrees) && IsWhole(f.minutes) && IsWhole(f.seconds) &&
         f.degrees <= kMostDegrees && f.minutes <= kMostMinutes && f.seconds <= kMostSeconds;
}

EntryKind KindOf(std::string_view entry0) {
  const bool bearing =
      (!entry0.empty() && (entry0[0] == 'N' || entry0[0] == 'S')) || IsCurveEntry(entry0);
  return bearing ? EntryKind::Angle : EntryKind::Point;
}

bool ReadBearingEntryTo(std::string_view entry, BearingFieldsView& f) {
  if (entry.size() < kShortestBearingEntry)
    return false;
  f.quadrant = entry.substr(0, 2);
  f.distance = entry.substr(kDistanceAt, entry.size() - kShortestBearingEntry);
  return ReadAngleField(entry.substr(kDegreesAt, kAngleFieldWidth), f.degrees) &&
         ReadAngleField(entry.substr(kMinutesAt, kAngleFieldWidth), f.minutes) &&
         ReadAngleField(entry.substr(kSecondsAt, kAngleFieldWidth), f.seconds) &&
         ReadNumber(f.distance, f.length);
}

Result<BearingFieldsView> ReadBearingEntryView(std::string_view entry) {
  BearingFieldsView fast;
  if (ReadBearingEntryTo(entry, fast))
    return fast;
  // Read again field by field, only to name the one that failed.
  if (entry.size() < kShortestBearingEntry)
    return Error{"the bearing entry is too short"};
  const std::string_view degrees = entry.substr(kDegreesAt, kAngleFieldWidth);
  const std::string_view minutes = entry.substr(kMinutesAt, kAngleFieldWidth);
  const std::string_view seconds = entry.substr(kSecondsAt, kAngleFieldWidth);
  const std::string_view distance = entry.substr(kDistanceAt, entry.size() - kShortestBearingEntry);
  BearingFieldsView f;
  f.quadrant = entry.substr(0, 2);
  f.distance = distance;
  if (!ReadAngleField(degrees, f.degrees))
    return NotANumber("degrees", degrees);
  if (!ReadAngleField(minutes, f.minutes))
    return NotANumber("minutes", minutes);
  if (!ReadAngleField(seconds, f.seconds))
    return NotANumber("seconds", seconds);
  if (!ReadNumber(distance, f.length))
    return NotANumber("distance", distance);
  return f;
}

std::string ComposeBearingEntry(std::string_view quadrant, std::string_view degrees,
                                std::string_view minutes, std::string_view seconds,
                                std::string_view distance, std::string_view unit) {
  std::string entry;
  entry.reserve(kShortestBearingEntry + distance.size());
  entry.append(quadrant).append(" ").append(degrees);
  entry.push_back(kDegreeSign);
  entry.append(minutes).append("'").append(seconds).append("'' @");
  entry.append(distance).append(unit);
  return entry;
}

std::string ComposePointEntry(std::string_view x, std::string_view y) {
  std::string entry;
  entry.reserve(x.size() + kPointSeparator.size() + y.size());
  entry.append(x).append(kPointSeparator).append(y);
  return entry;
}

void AppendPointEntry(std::string& out, double x, double y) {
  AppendPlainForm(out, x);
  out += kPointSeparator;
  AppendPlainForm(out, y);
}

std::optional<PointTexts> SplitPointEntry(std::string_view entry) {
  const size_t separator = entry.find(kPointSeparator);
  if (separator == std::string_view::npos)
    return std::nullopt;
  // Split semantics: Y is the piece up to a further separator, if any.
  std::string_view y = entry.substr(separator + kPointSeparator.size());
  y = y.substr(0, y.find(kPointSeparator));
  return PointTexts{entry.substr(0, separator), y};
}

Result<PointFields> ReadPointEntry(std::string_view entry) {
  const std::optional<PointTexts> t = SplitPointEntry(entry);
  if (!t)
    return Error{"the point entry has no \" , \""};
  PointFields p;
  if (!ReadNumber(t->x, p.x))
    return NotANumber("X", t->x);
  if (!ReadNumber(t->y, p.y))
    return NotANumber("Y", t->y);
  return p;
}

std::string UnreadableEntryMessage(size_t index, std::string_view entry, std::string_view reason) {
  return "Entry " + std::to_string(index + 1) + " cannot be read (" + std::string(reason) +
         "): " + QuoteForMessage(entry);
}

}  // namespace tw
