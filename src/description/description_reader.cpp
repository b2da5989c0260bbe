#include "description/description_reader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>

#include "base/numbers.h"
#include "boundary/curve_entry.h"
#include "boundary/entry.h"
#include "description/call_words.h"
#include "description/curve_words.h"
#include "description/tokens.h"
#include "files/text_encoding.h"
#include "geometry/corner_walk.h"
#include "geometry/curve.h"

namespace tw {
namespace {

constexpr double kSquareFeetPerAcre = 43560;
constexpr double kSquareMetresPerHectare = 10000;
constexpr double kMetresPerFoot = 0.3048;
// How many tokens an unread call is shown with, at most.
constexpr size_t kUnreadWidth = 8;

// "thence" and the ways a typist or a scan spells it: only a separator.
bool IsThence(const Token& t) {
  return IsAnyWord(t, {"thence", "thense", "thenc", "thnce", "themce", "thance", "thenee", "tbence",
                       "thencc", "thcnce", "thenoe", "theuce"});
}

bool IsSeparator(const Token& t) {
  return IsThence(t) || (t.kind == TokenKind::Mark && t.text == ";");
}

std::string TwoDigits(long long v) {
  std::string s = std::to_string(v);
  return s.size() < 2 ? "0" + s : s;
}

struct QuadrantAngle {
  std::string_view quadrant;
  long long angle = 0;  // seconds from the meridian
};

// The quadrant bearing of an azimuth in whole seconds; due east is
// "NE 90", due west "NW 90", as a typed entry gives them.
QuadrantAngle QuadrantOf(long long azimuth) {
  constexpr long long kQuarter = 90 * 3600;
  azimuth %= 4 * kQuarter;
  if (azimuth < 0)
    azimuth += 4 * kQuarter;
  if (azimuth >= 3 * kQuarter)
    return {"NW", 4 * kQuarter - azimuth};
  if (azimuth > 2 * kQuarter)
    return {"SW", azimuth - 2 * kQuarter};
  if (azimuth > kQuarter)
    return {"SE", 2 * kQuarter - azimuth};
  return {"NE", azimuth};
}

WholeAngle WholeAngleOf(long long seconds) {
  return {static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
          static_cast<int>(seconds % 60)};
}

// The bearing entry of an azimuth in whole seconds.
std::string EntryOfAzimuth(long long azimuth, std::string_view distance, std::string_view unit) {
  const QuadrantAngle q = QuadrantOf(azimuth);
  return ComposeBearingEntry(q.quadrant, TwoDigits(q.angle / 3600), TwoDigits(q.angle / 60 % 60),
                             TwoDigits(q.angle % 60), distance, unit);
}

TextSpan SpanOf(const std::vector<Token>& tokens, size_t from, size_t to) {
  const Token& first = tokens[from];
  return {first.offset, tokens[to - 1].End(), first.line, first.column};
}

class Reader {
 public:
  Reader(std::string_view text, const DescriptionOptions& options)
      : tokens_(Tokenize(text)),
        used_(tokens_.size(), false),
        options_(options),
        metric_(options.unit == "m."),
        rules_(LengthRulesOf(tokens_)) {
    clause_end_.resize(tokens_.size());
    size_t end = tokens_.size();
    for (size_t i = tokens_.size(); i-- > 0;) {
      if (IsSeparator(tokens_[i]))
        end = i;
      clause_end_[i] = end;
    }
  }

  DescriptionReading Run() {
    while (i_ < tokens_.size())
      Step();
    Finish();
    return std::move(r_);
  }

 private:
  void Use(size_t from, size_t to) {
    for (size_t k = from; k < to && k < used_.size(); ++k)
      used_[k] = true;
  }

  // How many tokens from i spell "point of beginning", "place of
  // beginning", "POB" or "P.O.B."; 0 when they do not.
  size_t BeginningPhrase(size_t i) const {
    if (i + 2 < tokens_.size() && IsAnyWord(tokens_[i], {"point", "place"}) &&
        IsAnyWord(tokens_[i + 1], {"of"}) && IsAnyWord(tokens_[i + 2], {"beginning"}))
      return 3;
    if (IsAnyWord(tokens_[i], {"POB"}))
      return 1;
    if (i + 4 < tokens_.size() && IsAnyWord(tokens_[i], {"P"}) && tokens_[i + 1].text == "." &&
        IsAnyWord(tokens_[i + 2], {"O"}) && tokens_[i + 3].text == "." &&
        IsAnyWord(tokens_[i + 4], {"B"}))
      return 5;
    return 0;
  }

  // "(3)" before a course.
  bool IsCourseNumber(size_t i) const {
    return i + 2 < tokens_.size() && tokens_[i].text == "(" &&
           tokens_[i + 1].kind == TokenKind::Number && tokens_[i + 2].text == ")";
  }

  void Step() {
    const Token& t = tokens_[i_];
    if (IsSeparator(t)) {
      Use(i_, i_ + 1);
      ++i_;
      return;
    }
    if (const size_t n = BeginningPhrase(i_)) {
      ReachBeginning(n);
      return;
    }
    if (IsCourseNumber(i_)) {
      Use(i_, i_ + 3);
      i_ += 3;
      return;
    }
    if (IsAnyWord(t, {"beginning", "begin"})) {
      ReachBeginning(1);
      return;
    }
    if (IsAnyWord(t, {"commencing", "commence"})) {
      commencing_ = true;
      Use(i_, i_ + 1);
      ++i_;
      return;
    }
    if (IsAnyWord(t, {"coordinates", "northing"}) && ReadCoordinates())
      return;
    if (IsAnyWord(t, {"containing", "contains"}) && ReadRecordArea())
      return;
    if (IsAnyWord(t, {"continuing", "continue", "same"}) && ReadSameCourse())
      return;
    if (IsAnyWord(t, {"curve", "arc"}) && ReadCurve())
      return;
    if (ReadCourse())
      return;
    FlagLookalike();
    ++i_;
  }

  // A heading or the point of beginning named: after a commencement, the
  // courses that follow are the boundary's.
  void ReachBeginning(size_t n) {
    Use(i_, i_ + n);
    if (commencing_ && (!r_.ties.empty() || r_.calls.empty()))
      beginning_reached_ = true;
    i_ += n;
  }

  std::vector<ReadCall>& Courses() {
    return commencing_ && !beginning_reached_ ? r_.ties : r_.calls;
  }

  // The bearing and its distance, both within the clause.
  bool ReadCourse() {
    const size_t stop = clause_end_[i_];
    if (ClauseHasCurve(stop))
      return false;
    // Both readings mark their words only when they succeed.
    const std::optional<WrittenBearing> b = ReadBearingAt(tokens_, i_, used_);
    if (!b)
      return false;
    const std::optional<WrittenDistance> d =
        ReadDistanceIn(tokens_, b->end, stop, metric_, rules_, used_);
    if (!d) {
      std::fill(used_.begin() + static_cast<std::ptrdiff_t>(i_),
                used_.begin() + static_cast<std::ptrdiff_t>(b->end), false);
      Unread(i_, stop, "a bearing without a distance");
      i_ = b->end;
      return true;
    }
    AddCall(b->azimuth_seconds, *d, b->doubts, i_, d->end);
    i_ = d->end;
    return true;
  }

  // "continuing along the same course, 50.00 feet": the last bearing again.
  bool ReadSameCourse() {
    const size_t stop = clause_end_[i_];
    size_t k = i_;
    while (k + 1 < stop &&
           !(IsAnyWord(tokens_[k], {"same"}) && IsAnyWord(tokens_[k + 1], {"course", "line"})))
      ++k;
    if (k + 1 >= stop)
      return false;
    if (!last_azimuth_) {
      Unread(i_, stop, "the same course, with no course before it");
      ++i_;
      return true;
    }
    const std::optional<WrittenDistance> d =
        ReadDistanceIn(tokens_, k + 2, stop, metric_, rules_, used_);
    if (!d)
      return false;
    Use(i_, i_ + 1);
    Use(k, k + 2);
    const double azimuth = *last_azimuth_;
    AddCall(azimuth, *d, {}, i_, d->end);
    Courses().back().notes.push_back("the same course as the call before");
    i_ = d->end;
    return true;
  }

  bool ClauseHasCurve(size_t stop) const { return CurveWordIn(i_, stop); }

  bool CurveWordIn(size_t from, size_t stop) const {
    for (size_t k = from; k < stop; ++k)
      if (IsAnyWord(tokens_[k], {"curve", "arc"}))
        return true;
    return false;
  }

  void AddCall(double written_azimuth, const WrittenDistance& d,
               const std::vector<std::string>& doubts, size_t from, size_t to) {
    ReadCall call;
    call.span = SpanOf(tokens_, from, to);
    call.doubts = doubts;
    call.doubts.insert(call.doubts.end(), d.doubts.begin(), d.doubts.end());
    call.notes = d.notes;
    last_azimuth_ = written_azimuth;
    double rounding = 0;
    const long long whole = Turned(written_azimuth, rounding);
    if (rounding > 0) {
      // The end moves along an arc of the call's length.
      const double moved = rounding / kSecondsPerDegree * M_PI / 180 * d.value;
      call.notes.push_back("rounded to whole seconds: the end moves " +
                           ApplyPattern(moved, 1, 4, 4) + " " + options_.unit);
    }
    call.entry = EntryOfAzimuth(whole, d.text, options_.unit);
    Courses().push_back(std::move(call));
  }

  // A written azimuth turned by the rotation, in whole seconds, and how many
  // seconds the rounding moved it.
  long long Turned(double written, double& rounding) const {
    const double turned = written + options_.rotation * kSecondsPerDegree;
    const double whole = std::round(turned);
    rounding = std::fabs(whole - turned) > 1e-6 ? std::fabs(whole - turned) : 0;
    return static_cast<long long>(whole);
  }

  // "thence along said curve ...": the curve of the clause before goes on.
  bool ContinuesCurve(size_t from) const {
    for (size_t k = from; k + 1 < clause_end_[from]; ++k)
      if (IsAnyWord(tokens_[k], {"said", "same"}) && IsAnyWord(tokens_[k + 1], {"curve", "arc"}))
        return true;
    return false;
  }

  // A curve call: its words in its clause and in any clause that goes on
  // along "said curve", composed into one curve entry.
  bool ReadCurve() {
    size_t stop = clause_end_[i_];
    for (;;) {
      size_t next = stop;
      while (next < tokens_.size() && IsSeparator(tokens_[next]))
        ++next;
      if (next >= tokens_.size() || !ContinuesCurve(next))
        break;
      Use(stop, next);
      stop = clause_end_[next];
    }
    UsedTokens used = used_;
    const WrittenCurve w = ReadCurveWords(tokens_, i_, stop, metric_, rules_, used);
    ReadCall call;
    std::string reason;
    if (!ComposeCurve(w, call, reason)) {
      Unread(i_, stop, std::move(reason));
      i_ = stop;
      return true;
    }
    size_t last = i_;
    for (size_t k = i_; k < stop; ++k)
      if (used[k])
        last = k;
    used_ = std::move(used);
    call.span = SpanOf(tokens_, i_, last + 1);
    Courses().push_back(std::move(call));
    last_azimuth_.reset();
    // A curve may end at the point of beginning, as a line does.
    for (i_ = last + 1; i_ < stop;) {
      if (const size_t n = BeginningPhrase(i_))
        ReachBeginning(n);
      else
        ++i_;
    }
    return true;
  }

  // The side: as written, or from the side the curve is concave to and the
  // direction it runs in (its chord, else the course before it).
  std::optional<CurveSide> SideOf(const WrittenCurve& w) const {
    if (w.side)
      return w.side;
    const std::optional<double> travel =
        w.chord_bearing ? std::optional<double>(w.chord_bearing->azimuth_seconds) : last_azimuth_;
    if (!w.concave_azimuth || !travel)
      return std::nullopt;
    const double turn = (*w.concave_azimuth - *travel) / kSecondsPerDegree * M_PI / 180;
    return std::sin(turn) > 0 ? CurveSide::Right : CurveSide::Left;
  }

  // The curve's bearing text, turned by the rotation.
  std::string CurveBearing(double written, ReadCall& call) const {
    double rounding = 0;
    const QuadrantAngle q = QuadrantOf(Turned(written, rounding));
    if (rounding > 0)
      call.notes.push_back("its bearing rounded to whole seconds");
    return CurveBearingText(q.quadrant, WholeAngleOf(q.angle));
  }

  // The turn from the end's radial back to the start's, in seconds: the
  // radial turns with the curve, by its central angle.
  static bool TurnBack(const WrittenCurve& w, CurveSide side, double& seconds) {
    double delta = 0;
    if (w.delta)
      delta = w.delta->azimuth_seconds;
    else if (w.arc && w.radius->value > 0)
      delta = w.arc->value / w.radius->value * 180 / M_PI * kSecondsPerDegree;
    else if (w.chord && w.radius->value > 0 && w.chord->value <= 2 * w.radius->value)
      delta =
          2 * std::asin(w.chord->value / (2 * w.radius->value)) * 180 / M_PI * kSecondsPerDegree;
    else
      return false;
    seconds = side == CurveSide::Right ? -delta : delta;
    return true;
  }

  bool ComposeCurve(const WrittenCurve& w, ReadCall& call, std::string& reason) const {
    const std::optional<CurveSide> side = SideOf(w);
    if (!w.radius || !side) {
      reason = !w.radius ? "a curve without its radius" : "a curve without its side";
      return false;
    }
    CurveTexts t;
    t.side = *side;
    t.radius = w.radius->text;
    t.unit = options_.unit;
    std::string size_text;
    if (w.delta) {
      const double seconds = std::round(w.delta->azimuth_seconds);
      if (seconds != w.delta->azimuth_seconds)
        call.notes.push_back("its central angle rounded to whole seconds");
      size_text = WholeAngleText(WholeAngleOf(static_cast<long long>(seconds)));
      t.size = CurveSize::Delta;
    } else if (w.arc || w.chord) {
      size_text = w.arc ? w.arc->text : w.chord->text;
      t.size = w.arc ? CurveSize::Arc : CurveSize::Chord;
    } else {
      reason = "a curve without its central angle, arc or chord";
      return false;
    }
    t.size_text = size_text;
    std::string bearing;
    if (w.chord_bearing) {
      t.aim = CurveAim::ChordBearing;
      bearing = CurveBearing(w.chord_bearing->azimuth_seconds, call);
    } else if (w.radial) {
      t.aim = CurveAim::RadialBearing;
      const double half_turn = w.radial_reversed ? kFullCircleSeconds / 2 : 0;
      double back = 0;
      if (w.radial_at_end && !TurnBack(w, *side, back)) {
        reason = "a radial at the curve's end without its central angle, arc or chord";
        return false;
      }
      bearing = CurveBearing(w.radial->azimuth_seconds + half_turn + back, call);
      call.notes.push_back(w.radial_reversed ? "the radial, written from the centre, reversed"
                                             : "the radial towards the centre, as written");
      if (w.radial_at_end)
        call.notes.push_back("the radial given at the curve's end, turned back by its delta");
    } else if (w.non_tangent) {
      reason = "a non-tangent curve without a chord or radial bearing";
      return false;
    } else if ((commencing_ && !beginning_reached_ ? r_.ties : r_.calls).empty()) {
      reason = kTangentFirstReason;
      return false;
    } else if (!w.tangent) {
      call.notes.push_back("tangent to the course before: no other direction is given");
    }
    t.bearing = bearing;
    call.entry = ComposeCurveEntry(t);
    for (const auto* doubts :
         {w.radius ? &w.radius->doubts : nullptr, w.delta ? &w.delta->doubts : nullptr,
          w.arc ? &w.arc->doubts : nullptr, w.chord_bearing ? &w.chord_bearing->doubts : nullptr})
      if (doubts != nullptr)
        call.doubts.insert(call.doubts.end(), doubts->begin(), doubts->end());
    const Result<CurveCall> check = ReadCurveEntry(call.entry);
    if (!check)
      reason = "the curve cannot be an entry: " + check.error();
    return check.ok();
  }

  // A Number, or "-" and a Number, at k; advances k past it.
  std::optional<double> SignedNumber(size_t& k) const {
    double sign = 1;
    if (k < tokens_.size() && tokens_[k].text == "-") {
      sign = -1;
      ++k;
    }
    if (k >= tokens_.size() || tokens_[k].kind != TokenKind::Number)
      return std::nullopt;
    return sign * tokens_[k++].value;
  }

  // "coordinates of N 5000.00, E 2000.00", "northing 5000, easting 2000".
  bool ReadCoordinates() {
    std::optional<double> north;
    std::optional<double> east;
    size_t k = i_;
    const size_t stop = std::min(clause_end_[i_], i_ + kUnreadWidth * 2);
    while (k < stop && !(north && east)) {
      const Token& t = tokens_[k++];
      std::optional<double>* axis = IsAnyWord(t, {"N", "North", "Northing", "Y"}) ? &north
                                    : IsAnyWord(t, {"E", "East", "Easting", "X"}) ? &east
                                                                                  : nullptr;
      if (axis == nullptr)
        continue;
      while (k < stop && tokens_[k].kind == TokenKind::Mark && tokens_[k].text != "-")
        ++k;
      *axis = SignedNumber(k);
    }
    if (!north || !east)
      return false;
    Use(i_, k);
    r_.commencement = {*east, *north};
    i_ = k;
    return true;
  }

  // "containing 1.234 acres", "containing 7,114 square feet".
  bool ReadRecordArea() {
    size_t k = i_ + 1;
    while (k < tokens_.size() && IsAnyWord(tokens_[k], {"about", "approximately", "some", "a",
                                                        "total", "of", "net", "gross"}))
      ++k;
    if (k + 1 >= tokens_.size() || tokens_[k].kind != TokenKind::Number)
      return false;
    size_t u = k + 1;
    const bool square = IsAnyWord(tokens_[u], {"square", "sq"});
    if (square)
      u = SkipMark(u + 1, ".");
    if (u >= tokens_.size())
      return false;
    // Square feet or metres per unit named, and whether it is of the feet.
    double per = 0;
    bool of_feet = true;
    if (!square && IsAnyWord(tokens_[u], {"acres", "acre", "ac"})) {
      per = kSquareFeetPerAcre;
    } else if (!square && IsAnyWord(tokens_[u], {"hectares", "hectare", "ha"})) {
      per = kSquareMetresPerHectare;
      of_feet = false;
    } else if (square && IsAnyWord(tokens_[u], {"feet", "foot", "ft"})) {
      per = 1;
    } else if (square && IsAnyWord(tokens_[u], {"meters", "metres", "meter", "metre", "m"})) {
      per = 1;
      of_feet = false;
    } else {
      return false;
    }
    constexpr double kSquareMetresPerSquareFoot = kMetresPerFoot * kMetresPerFoot;
    double area = tokens_[k].value * per;
    if (of_feet && metric_)
      area *= kSquareMetresPerSquareFoot;
    else if (!of_feet && !metric_)
      area /= kSquareMetresPerSquareFoot;
    r_.record_area = area;
    r_.record_area_text =
        std::string(tokens_[k].text) + (square ? " square " : " ") + std::string(tokens_[u].text);
    Use(i_, u + 1);
    i_ = u + 1;
    return true;
  }

  size_t SkipMark(size_t k, std::string_view mark) const {
    return k < tokens_.size() && tokens_[k].text == mark ? k + 1 : k;
  }

  void Unread(size_t from, size_t stop, std::string reason) {
    const size_t to = std::min({stop, from + kUnreadWidth, tokens_.size()});
    r_.unread.push_back({SpanOf(tokens_, from, std::max(to, from + 1)), std::move(reason)});
    unread_until_ = std::max(to, from + 1);
  }

  // Text that looks like a call and was not read: reported, never dropped.
  void FlagLookalike() {
    if (i_ < unread_until_)
      return;
    const Token& t = tokens_[i_];
    const size_t stop = clause_end_[i_];
    const bool number_next = i_ + 1 < stop && tokens_[i_ + 1].kind == TokenKind::Number;
    if (IsCardinalWord(t) && number_next) {
      Unread(i_, stop, "a bearing that cannot be read");
    } else if (IsVagueDirection(t) && HasNumberBefore(stop)) {
      Unread(i_, stop, "\"" + std::string(t.text) + "\" gives no angle: it is not a bearing");
    }
  }

  bool HasNumberBefore(size_t stop) const {
    for (size_t k = i_ + 1; k < stop; ++k)
      if (tokens_[k].kind == TokenKind::Number)
        return true;
    return false;
  }

  void Finish() {
    if (commencing_ && !beginning_reached_ && r_.calls.empty() && !r_.ties.empty()) {
      r_.calls = std::move(r_.ties);
      r_.ties.clear();
      r_.notes.push_back(
          "no point of beginning is named: the courses from the commencement "
          "are read as the boundary");
    }
    CornerStep step;
    step.corner = r_.commencement;
    for (const ReadCall& tie : r_.ties)
      (void)StepOn(EntryKind::Angle, tie.entry, step);
    r_.start = step.corner;
    if (options_.rotation != 0)
      r_.notes.push_back("every bearing turned by " + ApplyPattern(options_.rotation, 1, 0, 6) +
                         " degrees");
    if (rules_.survey_foot)
      r_.notes.push_back("feet are US survey feet (1200/3937 m)");
    CollectUnused();
  }

  void CollectUnused() {
    size_t k = 0;
    while (k < tokens_.size()) {
      if (used_[k] || tokens_[k].kind == TokenKind::Mark) {
        ++k;
        continue;
      }
      size_t end = k + 1;
      while (end < tokens_.size() && !used_[end])
        ++end;
      size_t last = end;
      while (last > k + 1 && tokens_[last - 1].kind == TokenKind::Mark)
        --last;
      r_.unused.push_back(SpanOf(tokens_, k, last));
      k = end;
    }
  }

  std::vector<Token> tokens_;
  UsedTokens used_;
  std::vector<size_t> clause_end_;
  DescriptionOptions options_;
  bool metric_;
  LengthRules rules_;
  DescriptionReading r_;
  size_t i_ = 0;
  size_t unread_until_ = 0;
  bool commencing_ = false;
  bool beginning_reached_ = false;
  std::optional<double> last_azimuth_;
};

}  // namespace

bool DescriptionReading::HasDoubts() const {
  for (const std::vector<ReadCall>* list : {&ties, &calls})
    for (const ReadCall& c : *list)
      if (!c.doubts.empty())
        return true;
  return false;
}

DescriptionReading ReadDescription(std::string_view text, const DescriptionOptions& options) {
  return Reader(text, options).Run();
}

std::string DescriptionFileText(std::string_view bytes) {
  constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
  if (bytes.starts_with(kByteOrderMark))
    bytes.remove_prefix(kByteOrderMark.size());
  if (FirstNonUtf8(bytes) == std::string_view::npos)
    return Utf8ToCp1252(bytes);
  return std::string(bytes);
}

std::string PlaceText(const TextSpan& span) {
  return "line " + std::to_string(span.line) + ", column " + std::to_string(span.column);
}

}  // namespace tw
