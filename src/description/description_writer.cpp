#include "description/description_writer.h"

#include <cmath>
#include <cstdint>
#include <vector>

#include "base/numbers.h"
#include "boundary/entry.h"
#include "files/text_encoding.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"

namespace tw {
namespace {

constexpr long long kCircleSeconds = 360LL * 3600;

// A call as it is printed: its bearing in whole seconds of azimuth and its
// distance rounded to the decimals asked for.
struct PrintedCall {
  long long azimuth = 0;
  double distance = 0;
};

// The azimuth of offsets by the program's own angle constant, so that a
// bearing entry's angle comes back to the second it was given in.
PrintedCall PrintedCallOf(const Offsets& o, int decimals) {
  PrintedCall c;
  const double length = std::hypot(o.east, o.north);
  const double scale = std::pow(10.0, decimals);
  c.distance = std::round(length * scale) / scale;
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

// "North 45°30'15" East" or "North 45 degrees 30 minutes 15 seconds East".
std::string BearingText(long long azimuth, bool words) {
  constexpr long long kQuarter = 90 * 3600;
  const bool north = azimuth <= kQuarter || azimuth >= 3 * kQuarter;
  const bool east = azimuth <= 2 * kQuarter;
  long long angle = north ? (east ? azimuth : 4 * kQuarter - azimuth)
                          : (east ? 2 * kQuarter - azimuth : azimuth - 2 * kQuarter);
  const long long d = angle / 3600;
  const long long m = angle / 60 % 60;
  const long long s = angle % 60;
  std::string text = north ? "North " : "South ";
  if (words)
    text += std::to_string(d) + " degrees " + std::to_string(m) + " minutes " + std::to_string(s) +
            " seconds";
  else
    text += TwoDigits(d) + "\xB0" + TwoDigits(m) + "'" + TwoDigits(s) + "\"";
  return text + (east ? " East" : " West");
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
    c.perimeter += call.distance;
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
          calls.push_back(PrintedCallOf(s.offsets, options.decimals));
        sums.Add(s);
      });
  if (stop)
    return Error{stop->message};
  // A point list closes by its corners; its last side is a call of its own.
  const PlanePoint last = sums.Last();
  if (kind == EntryKind::Point && (last.east != start.east || last.north != start.north))
    calls.push_back(
        PrintedCallOf({start.east - last.east, start.north - last.north}, options.decimals));
  std::string text = "Beginning at ";
  if (options.beginning.empty())
    text += "a point with coordinates North " + ApplyPattern(start.north, 1, 2, 6) + ", East " +
            ApplyPattern(start.east, 1, 2, 6);
  else
    text += options.beginning;
  for (const PrintedCall& c : calls) {
    text += "; thence " + BearingText(c.azimuth, options.words) + ", a distance of " +
            ApplyPattern(c.distance, 1, options.decimals, options.decimals) + " " + words.length;
  }
  const double area = sums.Close().area;
  text += " to the Point of Beginning, containing " +
          WholeNumberText(std::llround(area), DigitGroups::Thousands) + " " + words.square + " (" +
          ApplyPattern(words.to_large(area), 1, words.large_decimals, words.large_decimals) + " " +
          words.large + "), more or less.\n";
  text += ClosureLine(calls, words, options.decimals);
  return Cp1252ToUtf8(text);
}

}  // namespace tw
