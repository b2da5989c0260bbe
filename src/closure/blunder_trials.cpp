#include "closure/blunder_trials.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/numbers.h"
#include "base/text.h"
#include "closure/closure_forms.h"

namespace tw {
namespace {

// The geometric diagnosis looks at lines within 2 degrees of the misclosure's
// direction (or its reverse), |cos| >= cos 2°, and of its perpendicular,
// |cos| <= sin 2°.
constexpr double kCos2Degrees = 0.99939082701909573;
constexpr double kSin2Degrees = 0.034899496702500969;

// A Carpenter distance carries a leading blank or "-"; Surveyor distances are
// as typed, so a new one takes the plain form. nullopt for a distance no
// entry can hold.
std::optional<std::string> DistanceText(double distance, std::string_view original) {
  const std::optional<double> d = RoundToFourDecimals(distance);
  if (!d)
    return std::nullopt;
  const bool carpenter = !original.empty() && (original[0] == ' ' || original[0] == '-');
  return carpenter ? LeadingBlankForm(*d) : PlainForm(*d);
}

class Trials {
 public:
  Trials(std::string_view entry, const TrialEntry& read, TrialSink& sink)
      : entry_(entry), read_(read), sink_(sink) {}

  void TryAll();
  void TryGeometry(const TraverseSums& sums);

 private:
  void Try(BlunderKind kind, bool keeps_direction);
  void TryDistance(BlunderKind kind, double distance);
  void TryDigitSwaps(BlunderKind kind, size_t at, size_t length);

  std::string_view entry_;
  const TrialEntry& read_;
  TrialSink& sink_;
  std::string trial_;  // reused, so that a trial costs no allocation
};

void Trials::Try(BlunderKind kind, bool keeps_direction) {
  if (trial_ == entry_)
    return;
  const Result<BearingFieldsView> f = ReadBearingEntryView(trial_);
  if (!f || !IsWithinBoxLimits(*f))
    return;
  // A new distance on the same bearing scales the line's unit offsets, which
  // is what LatDep computes, without the cosine and sine again.
  const Offsets& u = read_.unit;
  const TraverseLine line =
      keeps_direction
          ? TraverseLine{{f->length * u.east, f->length * u.north}, std::fabs(f->length)}
          : LineOf(*f);
  sink_.Take(kind, trial_, line);
}

void Trials::TryDistance(BlunderKind kind, double distance) {
  const std::string_view original(entry_.data() + kDistanceAt,
                                  entry_.size() - kDistanceAt - kUnitWidth);
  const std::optional<std::string> text = DistanceText(distance, original);
  if (!text)
    return;
  trial_.assign(entry_, 0, kDistanceAt);
  trial_ += *text;
  trial_.append(entry_, entry_.size() - kUnitWidth, kUnitWidth);
  Try(kind, true);
}

void Trials::TryDigitSwaps(BlunderKind kind, size_t at, size_t length) {
  for (size_t j = at; j + 1 < at + length; ++j) {
    if (!IsDigit(entry_[j]) || !IsDigit(entry_[j + 1]) || entry_[j] == entry_[j + 1])
      continue;
    trial_.assign(entry_);
    std::swap(trial_[j], trial_[j + 1]);
    Try(kind, kind == BlunderKind::DistanceDigits);
  }
}

void Trials::TryAll() {
  for (std::string_view q : kQuadrants) {
    trial_.assign(entry_);
    trial_.replace(0, 2, q);
    Try(BlunderKind::Quadrant, false);
  }
  trial_.assign(entry_);
  std::swap_ranges(trial_.begin() + kDegreesAt, trial_.begin() + kDegreesAt + 2,
                   trial_.begin() + kMinutesAt);
  Try(BlunderKind::DegreesMinutes, false);
  TryDigitSwaps(BlunderKind::DegreeDigits, kDegreesAt, 2);
  TryDigitSwaps(BlunderKind::MinuteDigits, kMinutesAt, 2);
  TryDigitSwaps(BlunderKind::SecondDigits, kSecondsAt, 2);
  TryDigitSwaps(BlunderKind::DistanceDigits, kDistanceAt, entry_.size() - kDistanceAt - kUnitWidth);
  TryDistance(BlunderKind::DistanceTimesTen, read_.fields.length * 10);
  TryDistance(BlunderKind::DistanceTenth, read_.fields.length / 10);
}

void Trials::TryGeometry(const TraverseSums& sums) {
  const BearingFieldsView& f = read_.fields;
  const double m = std::sqrt(sums.north * sums.north + sums.east * sums.east);
  const Offsets& w = read_.unit;
  const double along = sums.east * w.east + sums.north * w.north;   // m . w
  const double across = sums.north * w.east - sums.east * w.north;  // m . n, n = w turned left
  if (std::fabs(along) >= kCos2Degrees * m) {
    const double distance = f.length - along;
    if (distance != 0 && (distance > 0) == (f.length > 0))
      TryDistance(BlunderKind::WrongDistance, distance);
  }
  if (std::fabs(along) <= kSin2Degrees * m && f.length != 0 &&
      std::fabs(across) <= std::fabs(f.length)) {
    // Turning the line by phi moves its end across it by L sin(phi).
    const double phi = std::asin(-across / f.length) * 180 / kAngleConstant;
    const double direction = DirectionAngle(f.quadrant, f.degrees, f.minutes, f.seconds) + phi;
    const QuadrantAngle q = QuadrantOfDirection(direction);
    const long long seconds = std::llround(*RoundHalfAway(q.degrees * 3600, 0));
    trial_.assign({q.from, q.to});
    trial_.append(entry_, 2, 1);
    AppendTwoDigits(trial_, seconds / 3600);
    trial_.append(entry_, kDegreesAt + 2, 1);
    AppendTwoDigits(trial_, seconds / 60 % 60);
    trial_.append(entry_, kMinutesAt + 2, 1);
    AppendTwoDigits(trial_, seconds % 60);
    trial_.append(entry_, kSecondsAt + 2, std::string::npos);
    Try(BlunderKind::WrongBearing, false);
  }
}

}  // namespace

bool ReadTrialEntry(std::string_view entry, TrialEntry& read) {
  const Result<BearingFieldsView> f = ReadBearingEntryView(entry);
  if (!f)
    return false;
  read.fields = *f;
  read.unit = LatDep(f->quadrant, f->degrees, f->minutes, f->seconds, 1);
  return true;
}

void TryEntry(std::string_view entry, const TrialEntry& read, TrialSink& sink) {
  Trials(entry, read, sink).TryAll();
}

bool NearMisclosure(const Offsets& unit, const TraverseSums& sums) {
  const double m = std::sqrt(sums.north * sums.north + sums.east * sums.east);
  const double along = std::fabs(sums.east * unit.east + sums.north * unit.north);
  return along >= kCos2Degrees * m || along <= kSin2Degrees * m;
}

void TryGeometry(std::string_view entry, const TrialEntry& read, const TraverseSums& sums,
                 TrialSink& sink) {
  Trials(entry, read, sink).TryGeometry(sums);
}

}  // namespace tw
