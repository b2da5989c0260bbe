// The keying mistakes a user makes when copying a call from a deed.
#pragma once

#include <optional>
#include <random>
#include <string_view>

#include "traverses.h"

namespace tw::sim {

enum class Mistake {
  DegreeDigitsSwapped,
  MinuteDigitsSwapped,
  SecondDigitsSwapped,
  DistanceDigitsSwapped,
  QuadrantLetter,
  ReversedBearing,
  DegreesMinutesSwapped,
  DistanceDigitDropped,
  DistanceDigitDoubled,
  WrongDigit,
  DecimalPointMoved,
};

inline constexpr int kMistakeKinds = 11;

std::string_view MistakeName(Mistake m);

// The call as keyed with the mistake, or nothing when this call cannot take
// it (no two different digits to swap, a field that would leave its range).
std::optional<Call> WithMistake(const Call& call, Mistake m, std::mt19937_64& rng);

}  // namespace tw::sim
