#include "boundary/curve_entry.h"

#include <cmath>

#include "base/angle_constant.h"
#include "base/numbers.h"
#include "base/text.h"
#include "boundary/entry.h"

namespace tw {
namespace {

// Splits at single blanks, one token at a time.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : rest_(text) {}
  bool Next(std::string_view& token) {
    if (done_)
      return false;
    const size_t blank = rest_.find(' ');
    token = rest_.substr(0, blank);
    if (blank == std::string_view::npos)
      done_ = true;
    else
      rest_.remove_prefix(blank + 1);
    return true;
  }
  bool AtEnd() const { return done_; }

 private:
  std::string_view rest_;
  bool done_ = false;
};

bool ReadTwoDigits(std::string_view text, int& value) {
  if (text.size() != 2 || !IsDigit(text[0]) || !IsDigit(text[1]))
    return false;
  value = (text[0] - '0') * 10 + (text[1] - '0');
  return true;
}

// "DD°MM'SS''" with `min_digits` to `max_digits` degree digits, minutes and
// seconds below 60 and the degrees at most `most`.
bool ReadWholeAngle(std::string_view text, size_t min_digits, size_t max_digits, int most,
                    WholeAngle& a) {
  const size_t sign = text.find(kDegreeSign);
  if (sign < min_digits || sign > max_digits || text.size() != sign + 8)
    return false;
  a.degrees = 0;
  for (char c : text.substr(0, sign)) {
    if (!IsDigit(c))
      return false;
    a.degrees = a.degrees * 10 + (c - '0');
  }
  const std::string_view rest = text.substr(sign + 1);
  return ReadTwoDigits(rest.substr(0, 2), a.minutes) && rest[2] == '\'' &&
         ReadTwoDigits(rest.substr(3, 2), a.seconds) && rest.substr(5) == "''" &&
         a.degrees <= most && a.minutes < 60 && a.seconds < 60 &&
         (a.degrees < most || (a.minutes == 0 && a.seconds == 0));
}

// A length followed directly by its unit, above 0.
bool ReadLength(std::string_view text, double& value) {
  if (text.size() < 3)
    return false;
  const std::string_view unit = text.substr(text.size() - 2);
  if (unit != "LF" && unit != "m.")
    return false;
  return ConvertStrictTo(text.substr(0, text.size() - 2), value) && value > 0;
}

// The reading, stopping at the first field that fails and naming it.
class CurveReader {
 public:
  explicit CurveReader(std::string_view entry) : tokens_(entry) {}

  // Empty when the entry reads; else the name of the field that does not.
  std::string_view Read(CurveCall& c) {
    std::string_view t;
    if (!tokens_.Next(t) || t != "Curve")
      return "curve";
    if (!tokens_.Next(t) || (t != "right" && t != "left"))
      return "side";
    c.side = t == "right" ? CurveSide::Right : CurveSide::Left;
    if (!tokens_.Next(t) || t != "R" || !tokens_.Next(t) || !ReadLength(t, c.radius))
      return "radius";
    if (std::string_view problem = ReadSize(c); !problem.empty())
      return problem;
    if (std::string_view problem = ReadAim(c); !problem.empty())
      return problem;
    return tokens_.AtEnd() ? std::string_view() : "end";
  }

 private:
  std::string_view ReadSize(CurveCall& c) {
    std::string_view t;
    std::string_view value;
    if (!tokens_.Next(t) || !tokens_.Next(value))
      return "size";
    if (t == "arc") {
      c.size = CurveSize::Arc;
      return ReadLength(value, c.length) && c.length < 2 * kAngleConstant * c.radius ? ""
                                                                                     : "arc length";
    }
    if (t == "delta") {
      c.size = CurveSize::Delta;
      const bool ok = ReadWholeAngle(value, 2, 3, 359, c.delta) &&
                      (c.delta.degrees | c.delta.minutes | c.delta.seconds) != 0;
      return ok ? "" : "delta";
    }
    if (t != "chord")
      return "size";
    c.size = CurveSize::Chord;
    return ReadLength(value, c.length) && c.length <= 2 * c.radius ? "" : "chord";
  }

  std::string_view ReadAim(CurveCall& c) {
    std::string_view t;
    if (!tokens_.Next(t))
      return "direction";
    c.major = t == "major";
    if (c.major && (c.size != CurveSize::Chord || !tokens_.Next(t)))
      return "major";
    if (t == "tangent") {
      c.aim = CurveAim::Tangent;
      return "";
    }
    if (t != "CB" && t != "RB")
      return "direction";
    c.aim = t == "CB" ? CurveAim::ChordBearing : CurveAim::RadialBearing;
    const std::string_view name = t == "CB" ? "chord bearing" : "radial bearing";
    std::string_view angle;
    if (!tokens_.Next(t) || !IsCurveQuadrant(t) || !tokens_.Next(angle) ||
        !ReadWholeAngle(angle, 2, 2, 90, c.bearing.angle))
      return name;
    c.bearing.quadrant = t;
    return "";
  }

  static bool IsCurveQuadrant(std::string_view t) {
    return t == "NE" || t == "NW" || t == "SW" || t == "SE";
  }

  Tokens tokens_;
};

}  // namespace

bool ReadCurveEntryTo(std::string_view entry, CurveCall& call) {
  return CurveReader(entry).Read(call).empty();
}

Result<CurveCall> ReadCurveEntry(std::string_view entry) {
  CurveCall call;
  const std::string_view field = CurveReader(entry).Read(call);
  if (field.empty())
    return call;
  if (field == "end")
    return Error{"the curve has more after its direction"};
  return Error{"the curve's " + std::string(field) + " cannot be read"};
}

std::string WholeAngleText(WholeAngle a) {
  std::string s = a.degrees < 10 ? "0" : "";
  s += std::to_string(a.degrees);
  s += kDegreeSign;
  s += static_cast<char>('0' + a.minutes / 10);
  s += static_cast<char>('0' + a.minutes % 10);
  s += '\'';
  s += static_cast<char>('0' + a.seconds / 10);
  s += static_cast<char>('0' + a.seconds % 10);
  s += "''";
  return s;
}

std::string CurveBearingText(std::string_view quadrant, WholeAngle a) {
  return std::string(quadrant) + " " + WholeAngleText(a);
}

std::string ComposeCurveEntry(const CurveTexts& t) {
  static constexpr std::string_view kSizeWords[] = {"arc", "delta", "chord"};
  std::string e(kCurvePrefix);
  e.append(t.side == CurveSide::Right ? "right" : "left");
  e.append(" R ").append(t.radius).append(t.unit).append(" ");
  e.append(kSizeWords[static_cast<int>(t.size)]).append(" ").append(t.size_text);
  if (t.size != CurveSize::Delta)
    e.append(t.unit);
  if (t.major && t.size == CurveSize::Chord)
    e.append(" major");
  if (t.aim == CurveAim::Tangent)
    return e.append(" tangent");
  return e.append(t.aim == CurveAim::ChordBearing ? " CB " : " RB ").append(t.bearing);
}

}  // namespace tw
