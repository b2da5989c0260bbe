#include "description/curve_words.h"

#include <array>
#include <initializer_list>
#include <string_view>

namespace tw {
namespace {

// How far after its key word a curve's figure may stand ("a radius of
// 20.00 feet", "a chord which bears N 45° E, 28.28 feet").
constexpr size_t kFigureReach = 6;

std::optional<double> DirectionWordAzimuth(const Token& t) {
  struct Direction {
    std::string_view word;
    std::string_view erly;
    double degrees;
  };
  constexpr std::array<Direction, 8> kDirections = {{
      {"north", "northerly", 0},
      {"northeast", "northeasterly", 45},
      {"east", "easterly", 90},
      {"southeast", "southeasterly", 135},
      {"south", "southerly", 180},
      {"southwest", "southwesterly", 225},
      {"west", "westerly", 270},
      {"northwest", "northwesterly", 315},
  }};
  for (const Direction& d : kDirections)
    if (IsAnyWord(t, {d.word, d.erly}))
      return d.degrees * kSecondsPerDegree;
  return std::nullopt;
}

// The first bearing from `at` within reach, passing over "which", "bears"
// and the like.
std::optional<WrittenBearing> BearingAfter(const std::vector<Token>& tokens, size_t at, size_t stop,
                                           UsedTokens& used) {
  for (size_t k = at; k < stop && k < at + kFigureReach; ++k)
    if (std::optional<WrittenBearing> b = ReadBearingAt(tokens, k, used))
      return b;
  return std::nullopt;
}

class CurveWords {
 public:
  CurveWords(const std::vector<Token>& tokens, size_t stop, bool metric, const LengthRules& rules,
             UsedTokens& used)
      : t_(tokens), stop_(stop), metric_(metric), rules_(rules), used_(used) {}

  void Read(size_t at) {
    for (size_t k = at; k < stop_; ++k) {
      const Token& w = t_[k];
      if (IsAnyWord(w, {"curve", "arc"}) && k == at)
        Use(k);
      else if (IsAnyWord(w, {"right", "left"}))
        Side(k);
      else if (IsAnyWord(w, {"concave"}))
        Concave(k);
      else if (IsAnyWord(w, {"radius", "radial", "center", "centre"}))
        Radius(k);
      else if (IsAnyWord(w, {"delta", "angle"}))
        Delta(k);
      else if (IsAnyWord(w, {"arc"}))
        Figure(k, c_.arc);
      else if (IsAnyWord(w, {"chord"}))
        Chord(k);
      else if (IsAnyWord(w, {"nontangent"}) ||
               (IsAnyWord(w, {"non"}) && k + 2 < stop_ && IsAnyWord(t_[k + 2], {"tangent"})))
        NonTangent(k);
      else if (IsAnyWord(w, {"tangent"}) && !c_.non_tangent)
        Tangent(k);
    }
  }

  WrittenCurve Take() { return std::move(c_); }

 private:
  void Use(size_t k) { used_[k] = true; }

  void Side(size_t k) {
    if (c_.side)
      return;
    c_.side = IsAnyWord(t_[k], {"right"}) ? CurveSide::Right : CurveSide::Left;
    Use(k);
  }

  void Concave(size_t k) {
    for (size_t j = k + 1; j < stop_ && j < k + 4; ++j) {
      if (const std::optional<double> azimuth = DirectionWordAzimuth(t_[j])) {
        c_.concave_azimuth = azimuth;
        Use(k);
        Use(j);
        return;
      }
    }
  }

  // "radius of 20 feet"; "the radius point bears N 10° W" and "a radial
  // line bearing S 10° E" are the two senses of a radial.
  void Radius(size_t k) {
    const bool bears = k + 1 < stop_ && IsAnyWord(t_[k + 1], {"point", "bears", "line", "bearing"});
    if (!bears && IsAnyWord(t_[k], {"radius"})) {
      Figure(k, c_.radius);
      return;
    }
    if (c_.radial)
      return;
    if (std::optional<WrittenBearing> b = BearingAfter(t_, k + 1, stop_, used_)) {
      c_.radial_reversed = IsAnyWord(t_[k], {"radial"});
      c_.radial_at_end = EndsHere(k);
      c_.radial = b;
      Use(k);
    }
  }

  // "... to a point from which the radius point bears": the radial of the
  // curve's end, where the call arrives.
  bool EndsHere(size_t k) const {
    for (size_t j = k > kFigureReach ? k - kFigureReach : 0; j + 2 < k; ++j)
      if (IsAnyWord(t_[j], {"to"}) && IsAnyWord(t_[j + 1], {"a"}) &&
          IsAnyWord(t_[j + 2], {"point"}))
        return true;
    return false;
  }

  void Delta(size_t k) {
    if (c_.delta)
      return;
    for (size_t j = k + 1; j < stop_ && j < k + 4; ++j) {
      if (t_[j].kind != TokenKind::Number)
        continue;
      if ((c_.delta = ReadAngleAt(t_, j, used_)))
        Use(k);
      return;
    }
  }

  void Figure(size_t k, std::optional<WrittenDistance>& figure) {
    if (figure)
      return;
    const size_t reach = std::min(stop_, k + kFigureReach);
    if ((figure = ReadDistanceIn(t_, k + 1, reach, metric_, rules_, used_)))
      Use(k);
  }

  void Chord(size_t k) {
    Use(k);
    if (!c_.chord_bearing)
      c_.chord_bearing = BearingAfter(t_, k + 1, stop_, used_);
    const size_t from = c_.chord_bearing ? c_.chord_bearing->end : k + 1;
    if (!c_.chord)
      c_.chord =
          ReadDistanceIn(t_, from, std::min(stop_, from + kFigureReach), metric_, rules_, used_);
  }

  void NonTangent(size_t k) {
    c_.non_tangent = true;
    Use(k);
  }

  void Tangent(size_t k) {
    c_.tangent = true;
    Use(k);
  }

  const std::vector<Token>& t_;
  size_t stop_;
  bool metric_;
  const LengthRules& rules_;
  UsedTokens& used_;
  WrittenCurve c_;
};

}  // namespace

WrittenCurve ReadCurveWords(const std::vector<Token>& tokens, size_t at, size_t stop, bool metric,
                            const LengthRules& rules, UsedTokens& used) {
  CurveWords words(tokens, stop, metric, rules, used);
  words.Read(at);
  return words.Take();
}

}  // namespace tw
