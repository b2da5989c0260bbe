// The parts of one call as a description writes them: a bearing in any of
// its usual forms and a distance in any of its units, read from the tokens.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "description/tokens.h"

namespace tw {

inline constexpr double kSecondsPerDegree = 3600;
inline constexpr double kFullCircleSeconds = 360 * kSecondsPerDegree;

// Which words a reading used, so that the rest can be shown as unused.
using UsedTokens = std::vector<bool>;

// A bearing as written: its azimuth (clockwise from north) in seconds, which
// may have decimals, and why any part of it is uncertain.
struct WrittenBearing {
  double azimuth_seconds = 0;
  std::vector<std::string> doubts;
  size_t end = 0;  // the token after it
};

// A bearing starting at token `at`: "N 45°30'15" E", "North 45 degrees 30
// minutes East", "N45-30-15E", a due direction ("due East", "North" when no
// angle follows) and the damaged forms, flagged. Marks the tokens it used.
std::optional<WrittenBearing> ReadBearingAt(const std::vector<Token>& tokens, size_t at,
                                            UsedTokens& used);

// An angle without a quadrant, such as a curve's central angle ("90°00'00\"",
// "90 degrees"), in seconds in `azimuth_seconds`: above 0 and below a turn.
std::optional<WrittenBearing> ReadAngleAt(const std::vector<Token>& tokens, size_t at,
                                          UsedTokens& used);

// The units a distance is written in.
enum class LengthUnit { Foot, Metre, Chain, Link, Rod, Yard, Vara, Inch };

// Which foot and which vara the text means: the whole text says so once.
struct LengthRules {
  bool survey_foot = false;  // "US survey feet": 1200/3937 m
  double vara_inches = 100.0 / 3;
  std::string vara_name = "Texas vara";
};

LengthRules LengthRulesOf(const std::vector<Token>& tokens);

struct WrittenDistance {
  double value = 0;  // in the list's unit
  std::string text;  // the entry's distance text
  std::vector<std::string> doubts;
  std::vector<std::string> notes;
  size_t end = 0;
};

// The first distance from token `at` up to the end of the call's clause
// (`stop`): a number with its unit, two parts such as feet and inches, or a
// bare number after "distance of" (doubtful: no unit). Words between are
// passed over and stay unused. `metric` is the list's unit.
std::optional<WrittenDistance> ReadDistanceIn(const std::vector<Token>& tokens, size_t at,
                                              size_t stop, bool metric, const LengthRules& rules,
                                              UsedTokens& used);

// "North", "South", "N", "S" and the like, for the reader's "looked like a
// call" test.
bool IsCardinalWord(const Token& t);
// "Northeasterly", "westerly": a direction without an angle.
bool IsVagueDirection(const Token& t);

}  // namespace tw
