#include "closure/blunder_trials.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>

#include "base/text.h"
#include "geometry/bearing.h"
#include "geometry/bearing_forms.h"

namespace tw {
namespace {

bool IsWholeField(double v, int& out) {
  if (!(v >= 0) || std::floor(v) != v || v > 99)
    return false;
  out = static_cast<int>(v);
  return true;
}

// The two-digit swaps and single wrong digits of one field of the bearing.
void FieldTrials(const CallBearing& keyed, int CallBearing::*field, BlunderKind swapped,
                 BlunderKind wrong, std::vector<BearingTrial>& out) {
  const int v = keyed.*field;
  CallBearing b = keyed;
  b.*field = v % 10 * 10 + v / 10;
  if (b.*field != v && IsCleanCall(b))
    out.push_back({swapped, b});
  for (int place : {10, 1}) {
    const int digit = v / place % 10;
    for (int d = 0; d <= 9; ++d) {
      b.*field = v + (d - digit) * place;
      if (d != digit && IsCleanCall(b))
        out.push_back({wrong, b});
    }
  }
}

// The sign or blank a distance starts with, which no slip touches.
size_t DigitsStart(std::string_view keyed) {
  return !keyed.empty() && (keyed[0] == ' ' || keyed[0] == '-' || keyed[0] == '+') ? 1 : 0;
}

// A distance as a person keys one: digits with at most one point inside
// them, no leading zero before another digit.
bool IsKeyedForm(std::string_view digits) {
  if (digits.empty() || digits.front() == '.' || digits.back() == '.')
    return false;
  if (std::count(digits.begin(), digits.end(), '.') > 1)
    return false;
  if (digits.size() > 1 && digits[0] == '0' && digits[1] != '.')
    return false;
  return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '.' || IsDigit(c); });
}

class DistanceSlips {
 public:
  DistanceSlips(std::string_view keyed, double low, double high)
      : keyed_(keyed),
        low_(low),
        high_(high),
        start_(DigitsStart(keyed)),
        keyed_value_(ValueOf(keyed)),
        sign_(keyed_value_ < 0 ? -1 : 1) {}

  std::vector<DistanceTrial> All() {
    Swaps();
    PointMoves();
    WrongDigits();
    Inserted();
    Removed();
    return std::move(out_);
  }

 private:
  static double ValueOf(std::string_view text) {
    const size_t at = DigitsStart(text);
    double v = 0;
    const char* first = text.data() + at;
    const char* last = text.data() + text.size();
    if (at == 1 && text[0] == '-')
      --first;
    if (std::from_chars(first, last, v).ptr != last)
      return 0;
    return v;
  }

  void Offer(BlunderKind kind, const std::string& text) {
    if (text == keyed_ || !IsKeyedForm(std::string_view(text).substr(start_)))
      return;
    const double v = ValueOf(text);
    if (!(v * sign_ > 0) || !std::isfinite(v) || v == keyed_value_ || v < low_ || v > high_)
      return;
    if (std::any_of(out_.begin(), out_.end(),
                    [&](const DistanceTrial& t) { return t.text == text; }))
      return;
    out_.push_back({kind, text, v});
  }

  // Two digits keyed one after the other swapped, also where the point
  // stands between them.
  void Swaps() {
    for (size_t i = start_; i + 1 < keyed_.size(); ++i) {
      const size_t j = keyed_[i + 1] == '.' ? i + 2 : i + 1;
      if (j >= keyed_.size() || !IsDigit(keyed_[i]) || !IsDigit(keyed_[j]))
        continue;
      std::string t(keyed_);
      std::swap(t[i], t[j]);
      Offer(BlunderKind::DistanceDigits, t);
    }
  }

  // The keyed point one place off: the call had it one place to the left
  // (the keyed value is ten times too large) or to the right.
  void PointMoves() {
    std::string digits(keyed_.substr(start_));
    const size_t point = std::min(digits.find('.'), digits.size());
    digits.erase(point, point < digits.size() ? 1 : 0);
    const std::string prefix(keyed_.substr(0, start_));
    if (point > 1) {
      std::string fraction = digits.substr(point - 1);
      // "2750" for 275: the point was never keyed, so none is given back.
      if (point == digits.size() && fraction.find_first_not_of('0') == std::string::npos)
        fraction.clear();
      Offer(BlunderKind::DistanceTenth,
            prefix + digits.substr(0, point - 1) + (fraction.empty() ? "" : "." + fraction));
    }
    const std::string right = point + 1 >= digits.size()
                                  ? digits + std::string(point + 1 - digits.size(), '0')
                                  : digits.substr(0, point + 1) + "." + digits.substr(point + 1);
    Offer(BlunderKind::DistanceTimesTen, prefix + right);
  }

  void WrongDigits() {
    for (size_t i = start_; i < keyed_.size(); ++i) {
      if (!IsDigit(keyed_[i]))
        continue;
      for (char d = '0'; d <= '9'; ++d) {
        std::string t(keyed_);
        t[i] = d;
        Offer(BlunderKind::DistanceDigit, t);
      }
    }
  }

  void Inserted() {
    for (size_t i = start_; i <= keyed_.size(); ++i)
      for (char d = '0'; d <= '9'; ++d) {
        std::string t(keyed_);
        t.insert(t.begin() + static_cast<std::ptrdiff_t>(i), d);
        Offer(BlunderKind::DroppedDigit, t);
      }
  }

  void Removed() {
    for (size_t i = start_; i + 1 < keyed_.size(); ++i) {
      if (!IsDigit(keyed_[i]) || keyed_[i] != keyed_[i + 1])
        continue;
      std::string t(keyed_);
      t.erase(i, 1);
      Offer(BlunderKind::DoubledDigit, t);
    }
  }

  std::string_view keyed_;
  double low_;
  double high_;
  size_t start_;
  double keyed_value_;
  int sign_;
  std::vector<DistanceTrial> out_;
};

}  // namespace

std::optional<CallBearing> ReadCallBearing(const BearingFieldsView& f) {
  CallBearing b{f.quadrant, 0, 0, 0};
  if (!IsWholeField(f.degrees, b.degrees) || !IsWholeField(f.minutes, b.minutes) ||
      !IsWholeField(f.seconds, b.seconds) || !IsWithinBoxLimits(f))
    return std::nullopt;
  return b;
}

bool IsCleanCall(const CallBearing& b) {
  return b.degrees >= 0 && b.minutes >= 0 && b.seconds >= 0 && b.minutes < 60 && b.seconds < 60 &&
         (b.degrees < 90 || (b.degrees == 90 && b.minutes == 0 && b.seconds == 0));
}

std::vector<BearingTrial> BearingTrials(const CallBearing& keyed) {
  std::vector<BearingTrial> out;
  for (std::string_view q : kQuadrants) {
    CallBearing b = keyed;
    b.quadrant = q;
    if (q != keyed.quadrant && IsCleanCall(b))
      out.push_back({BlunderKind::Quadrant, b});
  }
  CallBearing swapped = keyed;
  std::swap(swapped.degrees, swapped.minutes);
  if (swapped.degrees != swapped.minutes && IsCleanCall(swapped))
    out.push_back({BlunderKind::DegreesMinutes, swapped});
  FieldTrials(keyed, &CallBearing::degrees, BlunderKind::DegreeDigits, BlunderKind::DegreeDigit,
              out);
  FieldTrials(keyed, &CallBearing::minutes, BlunderKind::MinuteDigits, BlunderKind::MinuteDigit,
              out);
  FieldTrials(keyed, &CallBearing::seconds, BlunderKind::SecondDigits, BlunderKind::SecondDigit,
              out);
  std::stable_sort(out.begin(), out.end(),
                   [](const BearingTrial& a, const BearingTrial& b) { return a.kind < b.kind; });
  return out;
}

std::vector<DistanceTrial> DistanceTrials(std::string_view keyed, double low, double high) {
  return DistanceSlips(keyed, low, high).All();
}

std::string WithBearing(std::string_view entry, const CallBearing& b) {
  std::string out(b.quadrant);
  out.append(entry, 2, kDegreesAt - 2);
  AppendTwoDigits(out, b.degrees);
  out.append(entry, kDegreesAt + 2, kMinutesAt - kDegreesAt - 2);
  AppendTwoDigits(out, b.minutes);
  out.append(entry, kMinutesAt + 2, kSecondsAt - kMinutesAt - 2);
  AppendTwoDigits(out, b.seconds);
  out.append(entry, kSecondsAt + 2, std::string_view::npos);
  return out;
}

std::string_view DistanceTextOf(std::string_view entry) {
  return entry.substr(kDistanceAt, entry.size() - kDistanceAt - kUnitWidth);
}

std::string WithDistance(std::string_view entry, std::string_view distance) {
  std::string out(entry.substr(0, kDistanceAt));
  out += distance;
  out += entry.substr(entry.size() - kUnitWidth);
  return out;
}

}  // namespace tw
