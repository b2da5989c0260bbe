#include "description/call_words.h"

#include <array>
#include <cmath>
#include <initializer_list>
#include <string_view>

#include "base/numbers.h"

namespace tw {
namespace {

constexpr double kMetresPerFoot = 0.3048;
constexpr double kMetresPerSurveyFoot = 1200.0 / 3937;

bool IsMark(const Token& t, std::string_view mark) {
  return t.kind == TokenKind::Mark && t.text == mark;
}

bool IsMarkAt(const std::vector<Token>& tokens, size_t i, std::string_view mark) {
  return i < tokens.size() && IsMark(tokens[i], mark);
}

// After a one-letter or short abbreviation ("N.", "deg.", "ft."), its period.
size_t SkipPeriod(const std::vector<Token>& tokens, size_t i) {
  return IsMarkAt(tokens, i, ".") ? i + 1 : i;
}

// ---- bearings ----

enum class AngleMark { None, Degree, Minute, Second, Dash, ScanDegree };

AngleMark MarkOf(const Token& t) {
  if (t.kind == TokenKind::Mark) {
    if (t.text == "\xB0" || t.text == "\xBA")
      return AngleMark::Degree;
    if (t.text == "'" || t.text == "\x92")
      return AngleMark::Minute;
    if (t.text == "\"" || t.text == "''" || t.text == "\x94")
      return AngleMark::Second;
    if (t.text == "-")
      return AngleMark::Dash;
    if (t.text == "*" || t.text == "\xA6")
      return AngleMark::ScanDegree;
    return AngleMark::None;
  }
  if (IsAnyWord(t, {"deg", "degs", "degree", "degrees"}))
    return AngleMark::Degree;
  if (IsAnyWord(t, {"min", "mins", "minute", "minutes"}))
    return AngleMark::Minute;
  if (IsAnyWord(t, {"sec", "secs", "second", "seconds"}))
    return AngleMark::Second;
  return AngleMark::None;
}

struct AngleField {
  double value = 0;
  AngleMark mark = AngleMark::None;
  bool decimal = false;
  std::string doubt;
};

struct AngleFields {
  std::vector<AngleField> fields;
  size_t end = 0;
};

// "47012'": the degree sign read as a 0 between the degrees and the minutes.
bool SplitScannedDegreeSign(const Token& number, const Token* next, AngleFields& out) {
  const std::string_view digits = number.text;
  if (number.decimal || !number.doubt.empty() || number.value <= 90 || digits.size() < 4 ||
      digits.size() > 5 || digits[digits.size() - 3] != '0' || next == nullptr ||
      MarkOf(*next) != AngleMark::Minute)
    return false;
  const double degrees = std::floor(number.value / 1000);
  out.fields.push_back({degrees, AngleMark::Degree, false, "the degree sign read as 0"});
  out.fields.push_back({number.value - degrees * 1000, AngleMark::Minute, false, ""});
  return true;
}

// Up to three numbers, each with the mark after it, a dash allowed after a
// mark ("34'-56\"") and a period after a word mark ("deg.").
AngleFields ReadAngleFields(const std::vector<Token>& tokens, size_t i) {
  AngleFields out;
  while (i < tokens.size() && out.fields.size() < 3 && tokens[i].kind == TokenKind::Number) {
    const Token& number = tokens[i];
    const Token* next = i + 1 < tokens.size() ? &tokens[i + 1] : nullptr;
    if (out.fields.empty() && SplitScannedDegreeSign(number, next, out)) {
      i += 2;
    } else {
      AngleField f{number.value, next ? MarkOf(*next) : AngleMark::None, number.decimal,
                   number.doubt};
      out.fields.push_back(f);
      ++i;
      if (f.mark != AngleMark::None) {
        i = SkipPeriod(tokens, i + 1);
        if (f.mark != AngleMark::Dash && IsMarkAt(tokens, i, "-"))
          ++i;
      }
    }
    if (!out.fields.empty() && out.fields.back().mark == AngleMark::Second)
      break;
  }
  out.end = i;
  return out;
}

// The fields as degrees, minutes and seconds, flagging a mark a scan
// changed. False when the marks do not fit any written form.
bool PlaceFields(AngleFields& a, double most_degrees, std::vector<std::string>& doubts,
                 double& seconds) {
  std::vector<AngleField>& f = a.fields;
  if (f.empty())
    return false;
  if (f[0].mark == AngleMark::ScanDegree) {
    doubts.push_back("the degree sign read as a stray mark");
    f[0].mark = AngleMark::Degree;
  }
  if (f[0].mark == AngleMark::Minute && f.size() > 1 && f[1].mark == AngleMark::Minute) {
    doubts.push_back("the degree sign read as '");
    f[0].mark = AngleMark::Degree;
  }
  constexpr std::array<AngleMark, 3> kExpected = {AngleMark::Degree, AngleMark::Minute,
                                                  AngleMark::Second};
  const std::array<double, 3> kLimit = {most_degrees, 60, 60};
  constexpr std::array<double, 3> kScale = {3600, 60, 1};
  seconds = 0;
  for (size_t k = 0; k < f.size(); ++k) {
    const bool fits =
        f[k].mark == kExpected[k] || f[k].mark == AngleMark::Dash || f[k].mark == AngleMark::None;
    if (!fits || f[k].value > kLimit[k] || (k > 0 && f[k].value >= kLimit[k]) ||
        (f[k].decimal && k + 1 < f.size()))
      return false;
    if (!f[k].doubt.empty())
      doubts.push_back(f[k].doubt);
    seconds += f[k].value * kScale[k];
  }
  return seconds <= most_degrees * kSecondsPerDegree;
}

// 'N' or 'S' for a word that starts a quadrant bearing; 'E' or 'W' for one
// that ends it; '\0' otherwise.
char NorthSouth(const Token& t) {
  if (IsAnyWord(t, {"N", "North"}))
    return 'N';
  if (IsAnyWord(t, {"S", "South"}))
    return 'S';
  return '\0';
}

char EastWest(const Token& t) {
  if (IsAnyWord(t, {"E", "East"}))
    return 'E';
  if (IsAnyWord(t, {"W", "West"}))
    return 'W';
  return '\0';
}

double QuadrantAzimuth(char ns, char ew, double angle) {
  if (ns == 'N')
    return ew == 'E' ? angle : kFullCircleSeconds - angle;
  return ew == 'E' ? 180 * kSecondsPerDegree - angle : 180 * kSecondsPerDegree + angle;
}

void MarkUsed(UsedTokens& used, size_t from, size_t to) {
  for (size_t i = from; i < to && i < used.size(); ++i)
    used[i] = true;
}

std::optional<WrittenBearing> ReadQuadrantBearing(const std::vector<Token>& tokens, size_t at) {
  const char ns = NorthSouth(tokens[at]);
  if (ns == '\0')
    return std::nullopt;
  size_t i = tokens[at].text.size() == 1 ? SkipPeriod(tokens, at + 1) : at + 1;
  AngleFields fields = ReadAngleFields(tokens, i);
  WrittenBearing b;
  double angle = 0;
  if (fields.end >= tokens.size() || !PlaceFields(fields, 90, b.doubts, angle))
    return std::nullopt;
  const char ew = EastWest(tokens[fields.end]);
  if (ew == '\0')
    return std::nullopt;
  b.azimuth_seconds = QuadrantAzimuth(ns, ew, angle);
  b.end = tokens[fields.end].text.size() == 1 ? SkipPeriod(tokens, fields.end + 1) : fields.end + 1;
  return b;
}

// Without "due", a cardinal word is a call only where a course goes on from
// it ("East 100 feet", "North, along the fence, 20 feet"), not where it
// names a side ("the east line", "less the east 10 feet").
bool StartsDueCall(const std::vector<Token>& tokens, size_t at) {
  if (at > 0 && IsAnyWord(tokens[at - 1], {"the", "said", "an", "a", "its", "of"}))
    return false;
  if (at + 1 >= tokens.size())
    return false;
  const Token& next = tokens[at + 1];
  return next.kind == TokenKind::Number || IsMark(next, ",") ||
         IsAnyWord(next, {"along", "a", "distance", "with", "for"});
}

// "due East", or "North" spelled out with no angle after it.
std::optional<WrittenBearing> ReadDueDirection(const std::vector<Token>& tokens, size_t at) {
  const bool due = IsAnyWord(tokens[at], {"due"});
  const size_t i = due ? at + 1 : at;
  if (i >= tokens.size())
    return std::nullopt;
  constexpr std::array<std::string_view, 4> kCardinals = {"North", "East", "South", "West"};
  for (size_t k = 0; k < kCardinals.size(); ++k) {
    if (!SameWord(tokens[i].text, kCardinals[k]) || tokens[i].kind != TokenKind::Word)
      continue;
    const bool angle_follows = i + 2 < tokens.size() && tokens[i + 1].kind == TokenKind::Number &&
                               MarkOf(tokens[i + 2]) != AngleMark::None;
    if (angle_follows || (!due && !StartsDueCall(tokens, at)))
      return std::nullopt;
    WrittenBearing b;
    b.azimuth_seconds = static_cast<double>(k) * 90 * kSecondsPerDegree;
    b.end = i + 1;
    return b;
  }
  return std::nullopt;
}

// ---- distances ----

struct UnitWord {
  std::string_view word;
  LengthUnit unit;
};

constexpr std::array<UnitWord, 37> kUnitWords = {{
    {"feet", LengthUnit::Foot},    {"foot", LengthUnit::Foot},    {"ft", LengthUnit::Foot},
    {"'", LengthUnit::Foot},       {"\x92", LengthUnit::Foot},    {"m", LengthUnit::Metre},
    {"meters", LengthUnit::Metre}, {"metres", LengthUnit::Metre}, {"meter", LengthUnit::Metre},
    {"metre", LengthUnit::Metre},  {"chains", LengthUnit::Chain}, {"chain", LengthUnit::Chain},
    {"ch", LengthUnit::Chain},     {"chs", LengthUnit::Chain},    {"links", LengthUnit::Link},
    {"link", LengthUnit::Link},    {"lks", LengthUnit::Link},     {"rods", LengthUnit::Rod},
    {"rod", LengthUnit::Rod},      {"poles", LengthUnit::Rod},    {"pole", LengthUnit::Rod},
    {"perches", LengthUnit::Rod},  {"perch", LengthUnit::Rod},    {"yards", LengthUnit::Yard},
    {"yard", LengthUnit::Yard},    {"yd", LengthUnit::Yard},      {"yds", LengthUnit::Yard},
    {"varas", LengthUnit::Vara},   {"vara", LengthUnit::Vara},    {"vrs", LengthUnit::Vara},
    {"inches", LengthUnit::Inch},  {"inch", LengthUnit::Inch},    {"in", LengthUnit::Inch},
    {"\"", LengthUnit::Inch},      {"''", LengthUnit::Inch},      {"\x94", LengthUnit::Inch},
    {"lk", LengthUnit::Link},
}};

// The unit word at token i, passing over "U.S. survey" before feet and the
// name of a vara.
std::optional<LengthUnit> UnitAt(const std::vector<Token>& tokens, size_t& i) {
  size_t j = i;
  while (j < tokens.size() &&
         (IsAnyWord(tokens[j], {"U", "S", "US", "survey", "Texas", "California"}) ||
          (j > i && IsMark(tokens[j], "."))))
    ++j;
  if (j >= tokens.size())
    return std::nullopt;
  for (const UnitWord& u : kUnitWords) {
    if (SameWord(tokens[j].text, u.word)) {
      if (j != i && u.unit != LengthUnit::Foot && u.unit != LengthUnit::Vara)
        return std::nullopt;
      i = tokens[j].kind == TokenKind::Word ? SkipPeriod(tokens, j + 1) : j + 1;
      return u.unit;
    }
  }
  return std::nullopt;
}

// The length of one unit in feet, a metre aside.
double FeetPer(LengthUnit unit, const LengthRules& rules) {
  switch (unit) {
    case LengthUnit::Chain:
      return 66;
    case LengthUnit::Link:
      return 0.66;
    case LengthUnit::Rod:
      return 16.5;
    case LengthUnit::Yard:
      return 3;
    case LengthUnit::Vara:
      return rules.vara_inches / 12;
    case LengthUnit::Inch:
      return 1.0 / 12;
    default:
      return 1;
  }
}

// A second part that may follow a first: feet and inches, chains and links.
bool IsSmallerPart(LengthUnit first, LengthUnit second) {
  return (first == LengthUnit::Foot && second == LengthUnit::Inch) ||
         (first == LengthUnit::Chain && second == LengthUnit::Link) ||
         (first == LengthUnit::Yard && second == LengthUnit::Foot) ||
         (first == LengthUnit::Rod && second == LengthUnit::Foot) ||
         (first == LengthUnit::Vara && second == LengthUnit::Inch);
}

std::string_view UnitName(LengthUnit unit) {
  constexpr std::array<std::string_view, 8> kNames = {"feet", "meters", "chains", "links",
                                                      "rods", "yards",  "varas",  "inches"};
  return kNames[static_cast<size_t>(unit)];
}

// A number's digits as an entry takes them: without thousands separators and
// with the letters a scan mistook for digits put right.
std::string CleanNumberText(const Token& t) {
  std::string out;
  for (char c : t.text) {
    if (c == 'O' || c == 'o')
      out += '0';
    else if (c == 'l' || c == 'I')
      out += '1';
    else if (c != ',' && c != ' ' && c != '\t')
      out += c;
  }
  return out;
}

struct Part {
  const Token* number;
  LengthUnit unit;
};

WrittenDistance Convert(const std::vector<Part>& parts, bool metric, const LengthRules& rules) {
  const double metres_per_foot = rules.survey_foot ? kMetresPerSurveyFoot : kMetresPerFoot;
  double feet = 0;
  double metres = 0;
  WrittenDistance d;
  for (const Part& p : parts) {
    if (p.unit == LengthUnit::Metre)
      metres += p.number->value;
    else
      feet += p.number->value * FeetPer(p.unit, rules);
    if (!p.number->doubt.empty())
      d.doubts.push_back(p.number->doubt);
  }
  d.value = metric ? feet * metres_per_foot + metres : feet + metres / metres_per_foot;
  const LengthUnit own = metric ? LengthUnit::Metre : LengthUnit::Foot;
  if (parts.size() == 1 && parts[0].unit == own) {
    d.text = CleanNumberText(*parts[0].number);
    return d;
  }
  // Six decimals keep every conversion within a millionth of the unit.
  d.text = ApplyPattern(d.value, 1, 0, 6);
  std::string note = "converted from";
  for (const Part& p : parts)
    note += " " + std::string(p.number->text) + " " + std::string(UnitName(p.unit));
  if (parts[0].unit == LengthUnit::Vara)
    note += " at the " + rules.vara_name;
  if ((parts[0].unit == LengthUnit::Metre) != metric)
    note += rules.survey_foot ? " with the US survey foot" : " with the international foot";
  d.notes.push_back(std::move(note));
  return d;
}

std::optional<WrittenDistance> ReadQuantity(const std::vector<Token>& tokens, size_t i, bool metric,
                                            const LengthRules& rules, bool bare_allowed) {
  std::vector<Part> parts;
  size_t j = i + 1;
  const std::optional<LengthUnit> unit = UnitAt(tokens, j);
  if (!unit) {
    if (!bare_allowed)
      return std::nullopt;
    parts.push_back({&tokens[i], metric ? LengthUnit::Metre : LengthUnit::Foot});
    WrittenDistance d = Convert(parts, metric, rules);
    d.doubts.push_back("no unit is given: read in the list's unit");
    d.end = i + 1;
    return d;
  }
  parts.push_back({&tokens[i], *unit});
  size_t k = IsAnyWord(tokens.size() > j ? tokens[j] : tokens[i], {"and"}) ? j + 1 : j;
  if (k < tokens.size() && tokens[k].kind == TokenKind::Number) {
    size_t after = k + 1;
    const std::optional<LengthUnit> second = UnitAt(tokens, after);
    if (second && IsSmallerPart(*unit, *second)) {
      parts.push_back({&tokens[k], *second});
      j = after;
    }
  }
  WrittenDistance d = Convert(parts, metric, rules);
  d.end = j;
  return d;
}

}  // namespace

std::optional<WrittenBearing> ReadBearingAt(const std::vector<Token>& tokens, size_t at,
                                            UsedTokens& used) {
  if (at >= tokens.size())
    return std::nullopt;
  std::optional<WrittenBearing> b = ReadQuadrantBearing(tokens, at);
  if (!b)
    b = ReadDueDirection(tokens, at);
  if (b)
    MarkUsed(used, at, b->end);
  return b;
}

std::optional<WrittenBearing> ReadAngleAt(const std::vector<Token>& tokens, size_t at,
                                          UsedTokens& used) {
  AngleFields fields = ReadAngleFields(tokens, at);
  WrittenBearing angle;
  // A central angle is below a full turn.
  if (!PlaceFields(fields, 359, angle.doubts, angle.azimuth_seconds) ||
      angle.azimuth_seconds >= kFullCircleSeconds || angle.azimuth_seconds <= 0)
    return std::nullopt;
  angle.end = fields.end;
  MarkUsed(used, at, angle.end);
  return angle;
}

LengthRules LengthRulesOf(const std::vector<Token>& tokens) {
  LengthRules rules;
  for (size_t i = 0; i + 1 < tokens.size(); ++i) {
    if (IsAnyWord(tokens[i], {"survey"}) && IsAnyWord(tokens[i + 1], {"feet", "foot", "ft"}))
      rules.survey_foot = true;
    if (IsAnyWord(tokens[i], {"California"}) && IsAnyWord(tokens[i + 1], {"vara", "varas"})) {
      rules.vara_inches = 33;
      rules.vara_name = "California vara";
    }
  }
  if (rules.vara_name == "Texas vara")
    rules.vara_name = "Texas vara (33 1/3 inches)";
  else
    rules.vara_name += " (33 inches)";
  return rules;
}

std::optional<WrittenDistance> ReadDistanceIn(const std::vector<Token>& tokens, size_t at,
                                              size_t stop, bool metric, const LengthRules& rules,
                                              UsedTokens& used) {
  std::optional<size_t> distance_word;  // "a distance of": a bare number then will do
  for (size_t i = at; i < stop && i < tokens.size(); ++i) {
    const Token& t = tokens[i];
    if (IsAnyWord(t, {"distance"})) {
      distance_word = i;
      continue;
    }
    if (t.kind != TokenKind::Number)
      continue;
    if (i > at && NorthSouth(tokens[i - 1]) != '\0')
      return std::nullopt;  // the next bearing, not this call's distance
    std::optional<WrittenDistance> d =
        ReadQuantity(tokens, i, metric, rules, distance_word.has_value());
    if (d) {
      if (distance_word)
        MarkUsed(used, *distance_word, *distance_word + 1);
      MarkUsed(used, i, d->end);
      return d;
    }
  }
  return std::nullopt;
}

bool IsCardinalWord(const Token& t) {
  return NorthSouth(t) != '\0';
}

bool IsVagueDirection(const Token& t) {
  if (t.kind != TokenKind::Word || t.text.size() < 8)
    return false;
  std::string lower;
  for (char c : t.text)
    lower += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  const bool erly = lower.size() > 4 && lower.compare(lower.size() - 4, 4, "erly") == 0;
  return erly && (lower.starts_with("north") || lower.starts_with("south") ||
                  lower.starts_with("east") || lower.starts_with("west"));
}

}  // namespace tw
