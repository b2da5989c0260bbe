#include "description/description_writer.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "base/numbers.h"
#include "boundary/entry.h"
#include "files/text_encoding.h"
#include "geometry/corner_walk.h"
#include "geometry/curve.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

constexpr long long kCircleSeconds = 360LL * 3600;

// A call as it is printed: its bearing in whole seconds of azimuth and its
// distance rounded to the decimals asked for.
struct PrintedCall {
  long long azimuth = 0;
  double distance = 0;
  double length = 0;  // along the boundary: a curve's arc
  std::string text;   // the call's words after "thence"
};

// The azimuth of offsets by the program's own angle constant, so that a
// bearing entry's angle comes back to the second it was given in.
PrintedCall PrintedCallOf(const Offsets& o, int decimals) {
  PrintedCall c;
  const double length = std::hypot(o.east, o.north);
  const double scale = std::pow(10.0, decimals);
  c.distance = std::round(length * scale) / scale;
  c.length = c.distance;
  if (length == 0)
    return c;
  const double direction = std::atan2(o.north, o.east) * 180 / kAngleConstant;
  c.azimuth = std::llround((90 - direction) * 3600) % kCircleSeconds;
  if (c.azimuth < 0)
    c.azimuth += kCircleSeconds;
  return c;
}

std::string TwoDigits(long long v) {
  return (v < 10 ? "0" : "") + std::to_string(v);
}

// "90°00'00"" or "90 degrees 0 minutes 0 seconds", of whole seconds.
std::string AngleText(long long seconds, bool words) {
  const long long d = seconds / 3600;
  const long long m = seconds / 60 % 60;
  const long long s = seconds % 60;
  if (words)
    return std::to_string(d) + " degrees " + std::to_string(m) + " minutes " + std::to_string(s) +
           " seconds";
  return TwoDigits(d) + "\xB0" + TwoDigits(m) + "'" + TwoDigits(s) + "\"";
}

// "North 45°30'15" East" or "North 45 degrees 30 minutes 15 seconds East".
std::string BearingText(long long azimuth, bool words) {
  constexpr long long kQuarter = 90 * 3600;
  const bool north = azimuth <= kQuarter || azimuth >= 3 * kQuarter;
  const bool east = azimuth <= 2 * kQuarter;
  long long angle = north ? (east ? azimuth : 4 * kQuarter - azimuth)
                          : (east ? 2 * kQuarter - azimuth : azimuth - 2 * kQuarter);
  return (north ? "North " : "South ") + AngleText(angle, words) + (east ? " East" : " West");
}

struct UnitWords {
  const char* length;
  const char* square;
  const char* large;
  int large_decimals;
  double (*to_large)(double);
};

UnitWords WordsOf(const ProgramState& state) {
  const UnitRecord* unit = UnitRecordFor(state.UnitAbbrev);
  if (unit != nullptr && unit->system == UnitSystem::Metric)
    return {"meters", "square meters", "hectares", 4, unit->to_large};
  return {"feet", "square feet", "acres", 3, UnitRecordOf(UnitSystem::Imperial).to_large};
}

std::string Figure(double v, int decimals) {
  return ApplyPattern(v, 1, decimals, decimals);
}

PrintedCall PrintedLine(const Offsets& o, const DescribeOptions& options, const UnitWords& words) {
  PrintedCall c = PrintedCallOf(o, options.decimals);
  c.text = BearingText(c.azimuth, options.words) + ", a distance of " +
           Figure(c.distance, options.decimals) + " " + words.length;
  return c;
}

// "along a curve to the right having a radius of 20.00 feet, a central angle
// of 90°00'00", an arc length of 31.42 feet, and a chord which bears South
// 45°00'00" East, 28.28 feet": every element, so that a reader can check it.
PrintedCall PrintedCurve(const CornerStep& s, const DescribeOptions& options,
                         const UnitWords& words) {
  PrintedCall c = PrintedCallOf(s.offsets, options.decimals);
  const CurveElements& e = s.arc;
  const long long delta = std::llround(e.delta * 180 / kAngleConstant * 3600);
  const std::string unit = std::string(" ") + words.length;
  c.length =
      std::round(e.arc * std::pow(10.0, options.decimals)) / std::pow(10.0, options.decimals);
  c.text = std::string("along a curve to the ") + (e.side == CurveSide::Right ? "right" : "left") +
           " having a radius of " + Figure(e.radius, options.decimals) + unit +
           ", a central angle of " + AngleText(delta, options.words) + ", an arc length of " +
           Figure(c.length, options.decimals) + unit + ", and a chord which bears " +
           BearingText(c.azimuth, options.words) + ", " + Figure(c.distance, options.decimals) +
           unit;
  return c;
}

// Where the printed calls end, walked from the first corner, and their length.
struct PrintedClosure {
  double closure = 0;
  double perimeter = 0;
};

PrintedClosure CloseAsPrinted(const std::vector<PrintedCall>& calls) {
  double east = 0;
  double north = 0;
  PrintedClosure c;
  for (const PrintedCall& call : calls) {
    const double r = static_cast<double>(call.azimuth) / 3600 * M_PI / 180;
    east += call.distance * std::sin(r);
    north += call.distance * std::cos(r);
    c.perimeter += call.length;
  }
  c.closure = std::hypot(east, north);
  return c;
}

std::string ClosureLine(const std::vector<PrintedCall>& calls, const UnitWords& words,
                        int decimals) {
  const PrintedClosure c = CloseAsPrinted(calls);
  std::string line =
      "Closure of the calls as printed: " + ApplyPattern(c.closure, 1, decimals + 2, decimals + 2) +
      " " + words.length + ", precision ";
  const double ratio = c.closure > 0 ? c.perimeter / c.closure : 0;
  if (ratio == 0 || ratio >= 1e12)
    line += "exact";
  else
    line += RatioLabel(std::llround(ratio), DigitGroups::Thousands);
  return line + ".\n";
}

}  // namespace

Result<std::string> DescribeBoundary(const EntryTexts& entries, const ProgramState& state,
                                     const DescribeOptions& options) {
  const UnitWords words = WordsOf(state);
  const EntryKind kind = entries.empty() ? EntryKind::Angle : KindOf(entries[0]);
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  std::vector<PrintedCall> calls;
  CornerSums sums(start);
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, kind, start, [&](const CornerStep& s) {
        // A point list's first corner is often the start itself: no call.
        if (kind == EntryKind::Angle || s.offsets.east != 0 || s.offsets.north != 0)
          calls.push_back(s.is_curve ? PrintedCurve(s, options, words)
                                     : PrintedLine(s.offsets, options, words));
        sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  // A point list closes by its corners; its last side is a call of its own.
  const PlanePoint last = sums.Last();
  if (kind == EntryKind::Point && (last.east != start.east || last.north != start.north))
    calls.push_back(
        PrintedLine({start.east - last.east, start.north - last.north}, options, words));
  std::string text = "Beginning at ";
  if (options.beginning.empty())
    text += "a point with coordinates North " + ApplyPattern(start.north, 1, 2, 6) + ", East " +
            ApplyPattern(start.east, 1, 2, 6);
  else
    text += options.beginning;
  for (const PrintedCall& c : calls)
    text += "; thence " + c.text;
  const double area = sums.Close().area;
  text += " to the Point of Beginning, containing " +
          WholeNumberText(std::llround(area), DigitGroups::Thousands) + " " + words.square + " (" +
          ApplyPattern(words.to_large(area), 1, words.large_decimals, words.large_decimals) + " " +
          words.large + "), more or less.\n";
  text += ClosureLine(calls, words, options.decimals);
  return Cp1252ToUtf8(text);
}

}  // namespace tw
