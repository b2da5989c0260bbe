#include "closure/blunders.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <optional>

#include "closure/blunder_trials.h"
#include "geometry/bearing.h"
#include "geometry/bearing_forms.h"

namespace tw {
namespace {

// How many candidates of each sort are walked whole: more than are listed,
// because the sums and the walk may disagree in the last digit.
constexpr size_t kWalked = 32;

struct Candidate {
  size_t index = 0;
  BlunderKind kind = BlunderKind::Quadrant;
  std::string corrected;
  TraverseLine line;
  double change = 0;
  double score = 0;  // the misclosure left, from the sums, weighted by the kind
};

// A slip of one common kind (a swap, a quadrant, a moved point) is likelier
// than one wrong, left-out or doubled digit among the many a call could take:
// the rarer slips count their misclosure left twice, to rank and to pass.
constexpr double kRankedLikelier = 2;

double Weight(BlunderKind kind) {
  const bool rarer = kind >= BlunderKind::DegreeDigit && kind <= BlunderKind::DoubledDigit;
  return rarer ? kRankedLikelier : 1.0;
}

bool Before(const Candidate& a, const Candidate& b) {
  if (a.score != b.score)
    return a.score < b.score;
  if (a.index != b.index)
    return a.index < b.index;
  if (a.kind != b.kind)
    return a.kind < b.kind;
  return a.corrected < b.corrected;
}

// The best candidates so far; none past `cutoff` is written any more.
struct Shortlist {
  std::vector<Candidate> kept;
  double cutoff = std::numeric_limits<double>::infinity();
  void Shorten();
};

class Search {
 public:
  Search(const EntryTexts& entries, const std::vector<TraverseLine>& lines,
         const TraverseSums& sums, int standard)
      : entries_(entries), lines_(lines), sums_(sums), standard_(standard) {
    misclosure_ = std::hypot(sums.north, sums.east);
    allowed_ = sums.perimeter / standard;
    keyed_tolerance_ = std::min(allowed_, misclosure_ / kExplainsAtLeast);
    // A fit leaves a residual across (or along) the line, which random
    // error puts below r on one line with a chance of about 2r / (pi m).
    const double n = static_cast<double>(std::max<size_t>(lines.size(), 1));
    fit_tolerance_ =
        std::min(keyed_tolerance_, kFitChance * std::numbers::pi * misclosure_ / (2 * n));
  }

  BlunderSearch Run();

 private:
  void TryLine(size_t i);
  void TryDistances(size_t i, const BearingFieldsView& f, const Offsets& unit);
  void TryBearings(size_t i, const BearingFieldsView& f);
  void FitDistance(size_t i, const BearingFieldsView& f, const Offsets& unit);
  void FitBearing(size_t i, const BearingFieldsView& f);
  template <class Text>
  void Offer(size_t i, BlunderKind kind, const TraverseLine& line, double change, Text&& corrected);
  std::vector<BlunderFinding> Walked(std::vector<Candidate>& candidates) const;

  const EntryTexts& entries_;
  const std::vector<TraverseLine>& lines_;
  TraverseSums sums_;
  int standard_;
  double misclosure_ = 0;
  double allowed_ = 0;
  double keyed_tolerance_ = 0;
  double fit_tolerance_ = 0;
  Shortlist keyed_;
  Shortlist fitted_;
};

// The corrected text is written only for a trial that passes: most do not.
template <class Text>
void Search::Offer(size_t i, BlunderKind kind, const TraverseLine& line, double change,
                   Text&& corrected) {
  const TraverseLine& old = lines_[i];
  const double residual = std::hypot(sums_.north - old.offsets.north + line.offsets.north,
                                     sums_.east - old.offsets.east + line.offsets.east);
  const bool fitted = IsFitted(kind);
  const double score = residual * Weight(kind);
  if (score > (fitted ? fit_tolerance_ : keyed_tolerance_))
    return;
  Shortlist& list = fitted ? fitted_ : keyed_;
  if (score > list.cutoff)
    return;
  list.kept.push_back({i, kind, corrected(), line, change, score});
  if (list.kept.size() == 4 * kWalked)
    list.Shorten();
}

// Keeps the better half: a list whose every line is within the tolerance
// (a boundary far from closing) would otherwise hold every trial's text.
void Shortlist::Shorten() {
  const auto middle = kept.begin() + static_cast<std::ptrdiff_t>(2 * kWalked);
  std::nth_element(kept.begin(), middle - 1, kept.end(), Before);
  kept.erase(middle, kept.end());
  const Candidate& worst = *std::max_element(kept.begin(), kept.end(), Before);
  cutoff = worst.score;
}

void Search::TryDistances(size_t i, const BearingFieldsView& f, const Offsets& unit) {
  const std::string_view entry = entries_[i];
  // Only distances that bring the end within the tolerance: the part of the
  // misclosure across the line stays whatever the distance.
  const double along = sums_.east * unit.east + sums_.north * unit.north;
  const double across = sums_.north * unit.east - sums_.east * unit.north;
  const double reach =
      std::sqrt(std::max(keyed_tolerance_ * keyed_tolerance_ - across * across, 0.0)) * (1 + 1e-9);
  const double fit = f.length - along;
  for (const DistanceTrial& t : DistanceTrials(DistanceTextOf(entry), fit - reach, fit + reach))
    Offer(i, t.kind, {{t.value * unit.east, t.value * unit.north}, std::fabs(t.value)}, 0,
          [&] { return WithDistance(entry, t.text); });
  FitDistance(i, f, unit);
}

// The distance that takes the misclosure's part along the line away. A fit
// of 0 or past 0 is no distance; that is judged before rounding.
void Search::FitDistance(size_t i, const BearingFieldsView& f, const Offsets& unit) {
  const double along = sums_.east * unit.east + sums_.north * unit.north;
  const double fit = f.length - along;
  if (fit == 0 || (fit > 0) != (f.length > 0))
    return;
  const std::optional<double> rounded = RoundToFourDecimals(fit);
  if (!rounded || *rounded == 0)
    return;
  const std::string_view keyed = DistanceTextOf(entries_[i]);
  const bool blank = !keyed.empty() && (keyed[0] == ' ' || keyed[0] == '-');
  const std::string text = blank ? LeadingBlankForm(*rounded) : PlainForm(*rounded);
  Offer(i, BlunderKind::WrongDistance,
        {{*rounded * unit.east, *rounded * unit.north}, std::fabs(*rounded)},
        std::fabs(*rounded) - std::fabs(f.length), [&] { return WithDistance(entries_[i], text); });
}

void Search::TryBearings(size_t i, const BearingFieldsView& f) {
  const std::optional<CallBearing> keyed = ReadCallBearing(f);
  if (keyed) {
    // Only directions that bring the end within the tolerance, judged by
    // the angle before the cosine and sine: two vectors of lengths a and b
    // at an angle phi lie 2 sqrt(ab) sin(phi / 2) apart at the least.
    const TraverseLine& old = lines_[i];
    const double sign = f.length < 0 ? -1 : 1;
    const double tx = sign * (old.offsets.east - sums_.east),
                 ty = sign * (old.offsets.north - sums_.north);
    const double target = std::atan2(ty, tx);
    const double apart = keyed_tolerance_ / (2 * std::sqrt(old.length * std::hypot(tx, ty)));
    const double window = 2 * std::asin(std::min(apart, 1.0)) + 1e-9;
    for (const BearingTrial& t : BearingTrials(*keyed)) {
      const CallBearing& b = t.bearing;
      const double angle =
          DirectionAngle(b.quadrant, b.degrees, b.minutes, b.seconds) * kAngleConstant / 180;
      if (std::fabs(std::remainder(angle - target, 2 * std::numbers::pi)) > window)
        continue;
      const Offsets o = LatDep(b.quadrant, b.degrees, b.minutes, b.seconds, f.length);
      Offer(i, t.kind, {{o.east, o.north}, old.length}, 0,
            [&] { return WithBearing(entries_[i], b); });
    }
  }
  FitBearing(i, f);
}

// The bearing that ends the line where the misclosure says it should, to
// the second.
void Search::FitBearing(size_t i, const BearingFieldsView& f) {
  const TraverseLine& old = lines_[i];
  const double sign = f.length < 0 ? -1 : 1;
  const QuadrantAngle q =
      QuadrantOf(sign * (old.offsets.east - sums_.east), sign * (old.offsets.north - sums_.north));
  const long long seconds = std::llround(q.degrees * 3600);
  const char quadrant[2] = {q.from, q.to};
  const CallBearing b{std::string_view(quadrant, 2), static_cast<int>(seconds / 3600),
                      static_cast<int>(seconds / 60 % 60), static_cast<int>(seconds % 60)};
  if (!IsCleanCall(b))
    return;
  const Offsets o = LatDep(b.quadrant, b.degrees, b.minutes, b.seconds, f.length);
  const double before = DirectionAngle(f.quadrant, f.degrees, f.minutes, f.seconds);
  const double after = DirectionAngle(b.quadrant, b.degrees, b.minutes, b.seconds);
  const double turn = std::remainder(before - after, 360.0) * 3600;
  Offer(i, BlunderKind::WrongBearing, {{o.east, o.north}, old.length}, turn,
        [&] { return WithBearing(entries_[i], b); });
}

void Search::TryLine(size_t i) {
  const TraverseLine& old = lines_[i];
  if (old.length == 0)
    return;
  // A slip in the distance keeps the line's direction, so the misclosure's
  // part across the line stays; a slip in the bearing keeps its length, so
  // the corrected line must reach as far as the old one less the misclosure.
  const double across =
      (sums_.north * old.offsets.east - sums_.east * old.offsets.north) / old.length;
  const double reach =
      std::hypot(old.offsets.east - sums_.east, old.offsets.north - sums_.north) - old.length;
  const double slack = keyed_tolerance_ * (1 + 1e-9);
  const bool distance = std::fabs(across) <= slack;
  const bool bearing = std::fabs(reach) <= slack;
  if (!distance && !bearing)
    return;
  BearingFieldsView f;
  if (!ReadBearingEntryTo(entries_[i], f))
    return;
  if (distance)
    TryDistances(i, f, LatDep(f.quadrant, f.degrees, f.minutes, f.seconds, 1));
  if (bearing)
    TryBearings(i, f);
}

bool SameCall(const Candidate& a, const Candidate& b) {
  return a.index == b.index && a.line.offsets.east == b.line.offsets.east &&
         a.line.offsets.north == b.line.offsets.north;
}

struct Walk {
  const Candidate* candidate = nullptr;
  TraverseSums left;  // the corrected list's sums, walked whole
  double score = 0;   // the misclosure left, weighted by the kind
};

// The best candidates walked whole and judged again by the walk. Candidates
// that leave misclosures closer together than the better one leaves are
// more than the figures can tell apart: they become one finding.
std::vector<BlunderFinding> Search::Walked(std::vector<Candidate>& candidates) const {
  std::stable_sort(candidates.begin(), candidates.end(), Before);
  std::vector<Walk> walks;
  for (const Candidate& c : candidates) {
    if (walks.size() == kWalked)
      break;
    if (std::any_of(walks.begin(), walks.end(),
                    [&](const Walk& w) { return SameCall(*w.candidate, c); }))
      continue;
    const TraverseSums s = SumLinesReplacing(lines_, c.index, c.line);
    const double residual = std::hypot(s.north, s.east);
    const double score = residual * Weight(c.kind);
    if (score <= std::min(s.perimeter / standard_, misclosure_ / kExplainsAtLeast) * (1 + 1e-9))
      walks.push_back({&c, s, score});
  }
  std::stable_sort(walks.begin(), walks.end(),
                   [](const Walk& a, const Walk& b) { return a.score < b.score; });
  std::vector<BlunderFinding> findings;
  std::vector<const Walk*> leaders;
  for (const Walk& w : walks) {
    const Candidate& c = *w.candidate;
    const BlunderLine line{c.index, std::string(entries_[c.index]), c.corrected, c.kind};
    const auto near = std::find_if(leaders.begin(), leaders.end(), [&](const Walk* l) {
      const double apart = std::hypot(l->left.north - w.left.north, l->left.east - w.left.east);
      return apart <= std::max(std::hypot(l->left.north, l->left.east), 1e-9 * w.left.perimeter);
    });
    if (near == leaders.end()) {
      findings.push_back({{line}, c.kind, c.change, FiguresOf(w.left).precision});
      leaders.push_back(&w);
      continue;
    }
    std::vector<BlunderLine>& group = findings[static_cast<size_t>(near - leaders.begin())].lines;
    if (std::none_of(group.begin(), group.end(),
                     [&](const BlunderLine& l) { return l.index == c.index; }))
      group.push_back(line);
  }
  for (BlunderFinding& f : findings)
    std::sort(f.lines.begin(), f.lines.end(),
              [](const BlunderLine& a, const BlunderLine& b) { return a.index < b.index; });
  return findings;
}

BlunderSearch Search::Run() {
  BlunderSearch out;
  if (misclosure_ == 0 || sums_.perimeter == 0)
    return out;
  for (size_t i = 0; i < lines_.size(); ++i)
    TryLine(i);
  // A fit that lands on a call a slip gives is that slip, listed once.
  std::erase_if(fitted_.kept, [&](const Candidate& f) {
    return std::any_of(keyed_.kept.begin(), keyed_.kept.end(),
                       [&](const Candidate& k) { return SameCall(k, f); });
  });
  out.findings = Walked(keyed_.kept);
  for (BlunderFinding& f : Walked(fitted_.kept))
    out.findings.push_back(std::move(f));
  if (out.findings.size() > kMostFindings)
    out.findings.resize(kMostFindings);
  out.course_may_be_missing = out.findings.empty() &&
                              misclosure_ > kMissingCourseFactor * allowed_ &&
                              misclosure_ > sums_.perimeter / kMissingCourseRatio;
  return out;
}

}  // namespace

BlunderSearch FindBlunders(const EntryTexts& entries, const std::vector<TraverseLine>& lines,
                           const TraverseSums& sums, int standard) {
  return Search(entries, lines, sums, standard).Run();
}

}  // namespace tw
