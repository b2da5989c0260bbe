#include "closure/blunders.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "boundary/bearing.h"
#include "boundary/entry.h"
#include "boundary/numbers.h"
#include "boundary/text.h"
#include "closure/closure_forms.h"

namespace tw {
namespace {

constexpr std::array<std::string_view, 10> kKindTexts = {
    "wrong quadrant",
    "degrees and minutes swapped",
    "digits swapped in the degrees",
    "digits swapped in the minutes",
    "digits swapped in the seconds",
    "digits swapped in the distance",
    "decimal point misplaced, distance x 10",
    "decimal point misplaced, distance / 10",
    "wrong distance",
    "wrong bearing",
};

constexpr std::array<std::string_view, 4> kQuadrants = {"NE", "NW", "SW", "SE"};

// The geometric diagnosis looks at lines within 2 degrees of the misclosure's
// direction (or its reverse), |cos| >= cos 2°, and of its perpendicular,
// |cos| <= sin 2°.
constexpr double kCos2Degrees = 0.99939082701909573;
constexpr double kSin2Degrees = 0.034899496702500969;

// How many of the best-ranked trials are walked whole: more than are listed,
// because ranking from the sums and walking may disagree in the last digit.
constexpr size_t kWalked = 16;

struct Trial {
  size_t index = 0;
  BlunderKind kind = BlunderKind::Quadrant;
  double rank = 0;
  std::string corrected;
  TraverseLine line;
};

bool IsWhole(double v) {
  return v >= 0 && std::floor(v) == v;
}

// Within the program's format: angle fields in range, whole values.
bool IsValid(const BearingFieldsView& f) {
  return IsWhole(f.degrees) && IsWhole(f.minutes) && IsWhole(f.seconds) && f.degrees <= 90 &&
         f.minutes <= 60 && f.seconds <= 60;
}

// A Carpenter distance carries a leading blank or "-"; Surveyor distances are
// as typed, so a new one takes the plain form.
std::string DistanceText(double distance, std::string_view original) {
  const double d = RoundToFourDecimals(distance);
  const bool carpenter = !original.empty() && (original[0] == ' ' || original[0] == '-');
  return carpenter ? LeadingBlankForm(d) : PlainForm(d);
}

class Search {
 public:
  Search(const std::vector<TraverseLine>& lines, const TraverseSums& sums, int standard)
      : lines_(lines), sums_(sums), standard_(standard) {}

  void TryLine(size_t index, const std::string& entry);
  std::vector<BlunderFinding> Findings(const std::vector<std::string>& entries);

 private:
  void Try(size_t index, BlunderKind kind, const std::string& entry, const std::string& trial,
           bool keeps_direction);
  void TryDistance(size_t index, BlunderKind kind, const std::string& entry, double distance);
  void TryDigitSwaps(size_t index, BlunderKind kind, const std::string& entry, size_t at,
                     size_t length);
  void TryGeometry(size_t index, const std::string& entry, const BearingFieldsView& f);
  void KeepBest(size_t count);

  const std::vector<TraverseLine>& lines_;
  TraverseSums sums_;
  int standard_;
  std::vector<Trial> trials_;
  std::string trial_;  // reused, so that a trial costs no allocation
  Offsets unit_;       // the offsets of the line being tried at distance 1
};

void Search::Try(size_t index, BlunderKind kind, const std::string& entry, const std::string& trial,
                 bool keeps_direction) {
  if (trial == entry)
    return;
  const Result<BearingFieldsView> f = ReadBearingEntryView(trial);
  if (!f || !IsValid(*f))
    return;
  // A new distance on the same bearing scales the line's unit offsets, which
  // is what LatDep computes, without the cosine and sine again.
  const TraverseLine line =
      keeps_direction
          ? TraverseLine{f->length * unit_.dx, f->length * unit_.dy, std::fabs(f->length)}
          : LineOf(*f);
  const TraverseLine& old = lines_[index];
  const double perimeter = sums_.perimeter - old.length + line.length;
  const double north = sums_.north - old.dy + line.dy;
  const double east = sums_.east - old.dx + line.dx;
  // Most trials are far off: drop them before the square root. The walk
  // below may find the precision a unit higher than the sums do.
  const double widest = perimeter / (standard_ - 1);
  if (north * north + east * east > widest * widest * (1 + 1e-9))
    return;
  const Precision p = PrecisionOf(perimeter, std::sqrt(north * north + east * east));
  if (RankOf(p) + 1 < standard_)
    return;
  trials_.push_back({index, kind, RankOf(p), trial, line});
  if (trials_.size() >= 4 * kWalked)
    KeepBest(kWalked);
}

void Search::TryDistance(size_t index, BlunderKind kind, const std::string& entry,
                         double distance) {
  const std::string_view original(entry.data() + kDistanceAt,
                                  entry.size() - kDistanceAt - kUnitWidth);
  trial_.assign(entry, 0, kDistanceAt);
  trial_ += DistanceText(distance, original);
  trial_.append(entry, entry.size() - kUnitWidth, kUnitWidth);
  Try(index, kind, entry, trial_, true);
}

void Search::TryDigitSwaps(size_t index, BlunderKind kind, const std::string& entry, size_t at,
                           size_t length) {
  for (size_t j = at; j + 1 < at + length; ++j) {
    if (!IsDigit(entry[j]) || !IsDigit(entry[j + 1]) || entry[j] == entry[j + 1])
      continue;
    trial_.assign(entry);
    std::swap(trial_[j], trial_[j + 1]);
    Try(index, kind, entry, trial_, kind == BlunderKind::DistanceDigits);
  }
}

void Search::TryGeometry(size_t index, const std::string& entry, const BearingFieldsView& f) {
  const double m = std::sqrt(sums_.north * sums_.north + sums_.east * sums_.east);
  const Offsets& w = unit_;
  const double along = sums_.east * w.dx + sums_.north * w.dy;   // m . w
  const double across = sums_.north * w.dx - sums_.east * w.dy;  // m . n, n = w turned left
  if (std::fabs(along) >= kCos2Degrees * m) {
    const double distance = f.length - along;
    if (distance != 0 && (distance > 0) == (f.length > 0))
      TryDistance(index, BlunderKind::WrongDistance, entry, distance);
  }
  if (std::fabs(along) <= kSin2Degrees * m && f.length != 0 &&
      std::fabs(across) <= std::fabs(f.length)) {
    // Turning the line by phi moves its end across it by L sin(phi).
    const double phi = std::asin(-across / f.length) * 180 / kAngleConstant;
    const double direction = DirectionAngle(f.quadrant, f.degrees, f.minutes, f.seconds) + phi;
    const QuadrantAngle q = QuadrantOfDirection(direction);
    const long long seconds = std::llround(RoundHalfAway(q.degrees * 3600, 0));
    trial_.assign({q.from, q.to});
    trial_.append(entry, 2, 1);
    AppendTwoDigits(trial_, seconds / 3600);
    trial_.append(entry, kDegreesAt + 2, 1);
    AppendTwoDigits(trial_, seconds / 60 % 60);
    trial_.append(entry, kMinutesAt + 2, 1);
    AppendTwoDigits(trial_, seconds % 60);
    trial_.append(entry, kSecondsAt + 2, std::string::npos);
    Try(index, BlunderKind::WrongBearing, entry, trial_, false);
  }
}

void Search::TryLine(size_t index, const std::string& entry) {
  const Result<BearingFieldsView> f = ReadBearingEntryView(entry);
  if (!f)
    return;
  unit_ = LatDep(f->quadrant, f->degrees, f->minutes, f->seconds, 1);
  for (std::string_view q : kQuadrants) {
    trial_.assign(entry);
    trial_.replace(0, 2, q);
    Try(index, BlunderKind::Quadrant, entry, trial_, false);
  }
  trial_.assign(entry);
  std::swap_ranges(trial_.begin() + kDegreesAt, trial_.begin() + kDegreesAt + 2,
                   trial_.begin() + kMinutesAt);
  Try(index, BlunderKind::DegreesMinutes, entry, trial_, false);
  TryDigitSwaps(index, BlunderKind::DegreeDigits, entry, kDegreesAt, 2);
  TryDigitSwaps(index, BlunderKind::MinuteDigits, entry, kMinutesAt, 2);
  TryDigitSwaps(index, BlunderKind::SecondDigits, entry, kSecondsAt, 2);
  TryDigitSwaps(index, BlunderKind::DistanceDigits, entry, kDistanceAt,
                entry.size() - kDistanceAt - kUnitWidth);
  TryDistance(index, BlunderKind::DistanceTimesTen, entry, f->length * 10);
  TryDistance(index, BlunderKind::DistanceTenth, entry, f->length / 10);
  TryGeometry(index, entry, *f);
}

// The order of the listing: precision descending, then line, then kind.
template <class T>
bool Before(double rank_a, const T& a, double rank_b, const T& b) {
  if (rank_a != rank_b)
    return rank_a > rank_b;
  if (a.index != b.index)
    return a.index < b.index;
  return a.kind < b.kind;
}

// Keeps the best `count` distinct corrections by their ranking from the sums.
void Search::KeepBest(size_t count) {
  std::stable_sort(trials_.begin(), trials_.end(),
                   [](const Trial& a, const Trial& b) { return Before(a.rank, a, b.rank, b); });
  std::vector<Trial> kept;
  for (Trial& t : trials_) {
    const bool seen = std::any_of(kept.begin(), kept.end(), [&t](const Trial& k) {
      return k.index == t.index && k.corrected == t.corrected;
    });
    if (!seen)
      kept.push_back(std::move(t));
    if (kept.size() == count)
      break;
  }
  trials_ = std::move(kept);
}

std::vector<BlunderFinding> Search::Findings(const std::vector<std::string>& entries) {
  KeepBest(kWalked);
  std::vector<BlunderFinding> findings;
  for (const Trial& t : trials_) {
    const TraverseSums s = SumLinesReplacing(lines_, t.index, t.line);
    const Precision after = FiguresOf(s).precision;
    if (MeetsStandard(after, standard_))
      findings.push_back({t.index, entries[t.index], t.corrected, t.kind, after});
  }
  std::stable_sort(findings.begin(), findings.end(),
                   [](const BlunderFinding& a, const BlunderFinding& b) {
                     return Before(RankOf(a.after), a, RankOf(b.after), b);
                   });
  if (findings.size() > kMostFindings)
    findings.resize(kMostFindings);
  return findings;
}

}  // namespace

std::string_view BlunderKindText(BlunderKind kind) {
  return kKindTexts[static_cast<size_t>(kind)];
}

std::vector<BlunderFinding> FindBlunders(const std::vector<std::string>& entries,
                                         const std::vector<TraverseLine>& lines,
                                         const TraverseSums& sums, int standard) {
  Search search(lines, sums, standard);
  for (size_t i = 0; i < entries.size(); ++i)
    search.TryLine(i, entries[i]);
  return search.Findings(entries);
}

}  // namespace tw
