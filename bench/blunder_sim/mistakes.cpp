#include "mistakes.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tw::sim {
namespace {

int Swapped(int two_digits) {
  return two_digits % 10 * 10 + two_digits / 10;
}

int Pick(std::mt19937_64& rng, int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(rng);
}

std::optional<Call> SwapAngleDigits(Call c, int Call::*field, int limit) {
  const int swapped = Swapped(c.*field);
  if (swapped == c.*field || swapped > limit)
    return std::nullopt;
  c.*field = swapped;
  return c;
}

// A keyed distance must still read as one: digits around one point, more
// than zero.
bool IsDistance(const std::string& d) {
  if (d.empty() || d.front() == '.' || d.back() == '.' || d.size() > 15)
    return false;
  return d.find_first_not_of("0.") != std::string::npos;
}

// The positions of the distance's digits (not its point).
std::vector<size_t> DigitsOf(const std::string& d) {
  std::vector<size_t> at;
  for (size_t i = 0; i < d.size(); ++i)
    if (d[i] != '.')
      at.push_back(i);
  return at;
}

std::optional<std::string> EditDistance(std::string d, Mistake m, std::mt19937_64& rng) {
  const std::vector<size_t> digits = DigitsOf(d);
  const size_t k = static_cast<size_t>(Pick(rng, 0, static_cast<int>(digits.size()) - 1));
  const size_t at = digits[k];
  switch (m) {
    case Mistake::DistanceDigitsSwapped:
      if (k + 1 >= digits.size() || d[at] == d[digits[k + 1]])
        return std::nullopt;
      std::swap(d[at], d[digits[k + 1]]);
      break;
    case Mistake::DistanceDigitDropped:
      d.erase(at, 1);
      break;
    case Mistake::DistanceDigitDoubled:
      d.insert(at, 1, d[at]);
      break;
    case Mistake::WrongDigit:
      d[at] = static_cast<char>('0' + Pick(rng, 0, 9));
      break;
    case Mistake::DecimalPointMoved: {
      const size_t point = d.find('.');
      const size_t to = Pick(rng, 0, 1) == 0 ? point - 1 : point + 1;
      if (point == std::string::npos || to == 0 || to + 1 >= d.size())
        return std::nullopt;
      std::swap(d[point], d[to]);
      break;
    }
    default:
      return std::nullopt;
  }
  if (!IsDistance(d))
    return std::nullopt;
  return d;
}

std::optional<Call> WithDistance(Call c, Mistake m, std::mt19937_64& rng) {
  std::optional<std::string> d = EditDistance(c.distance, m, rng);
  if (!d || *d == c.distance)
    return std::nullopt;
  c.distance = std::move(*d);
  return c;
}

std::optional<Call> WrongDigit(Call c, std::mt19937_64& rng) {
  static constexpr std::array<std::pair<int Call::*, int>, 3> kAngles{
      {{&Call::degrees, 90}, {&Call::minutes, 59}, {&Call::seconds, 59}}};
  const int field = Pick(rng, 0, 3);
  if (field == 3)
    return WithDistance(c, Mistake::WrongDigit, rng);
  const auto [member, limit] = kAngles[static_cast<size_t>(field)];
  const int digit = Pick(rng, 0, 9);
  const int v = Pick(rng, 0, 1) == 0 ? digit * 10 + c.*member % 10 : c.*member / 10 * 10 + digit;
  if (v == c.*member || v > limit)
    return std::nullopt;
  c.*member = v;
  return c;
}

}  // namespace

std::string_view MistakeName(Mistake m) {
  static constexpr std::array<std::string_view, kMistakeKinds> kNames{
      "degree digits swapped",  "minute digits swapped",
      "second digits swapped",  "distance digits swapped",
      "quadrant letter",        "reversed bearing",
      "degrees and minutes",    "distance digit dropped",
      "distance digit doubled", "wrong digit",
      "decimal point moved"};
  return kNames[static_cast<size_t>(m)];
}

std::optional<Call> WithMistake(const Call& call, Mistake m, std::mt19937_64& rng) {
  Call c = call;
  switch (m) {
    case Mistake::DegreeDigitsSwapped:
      return SwapAngleDigits(c, &Call::degrees, 90);
    case Mistake::MinuteDigitsSwapped:
      return SwapAngleDigits(c, &Call::minutes, 59);
    case Mistake::SecondDigitsSwapped:
      return SwapAngleDigits(c, &Call::seconds, 59);
    case Mistake::QuadrantLetter:
      if (Pick(rng, 0, 1) == 0)
        c.north_south = c.north_south == 'N' ? 'S' : 'N';
      else
        c.east_west = c.east_west == 'E' ? 'W' : 'E';
      return c;
    case Mistake::ReversedBearing:
      c.north_south = c.north_south == 'N' ? 'S' : 'N';
      c.east_west = c.east_west == 'E' ? 'W' : 'E';
      return c;
    case Mistake::DegreesMinutesSwapped:
      if (c.degrees == c.minutes || c.degrees > 59)
        return std::nullopt;
      std::swap(c.degrees, c.minutes);
      return c;
    case Mistake::WrongDigit:
      return WrongDigit(c, rng);
    default:
      return WithDistance(c, m, rng);
  }
}

}  // namespace tw::sim
