#include "closure/blunder_kind.h"

#include <array>
#include <cstddef>

namespace tw {
namespace {

constexpr std::array<std::string_view, 20> kKindTexts = {
    "wrong quadrant",
    "degrees and minutes swapped",
    "digits swapped in the degrees",
    "digits swapped in the minutes",
    "digits swapped in the seconds",
    "digits swapped in the distance",
    "decimal point misplaced, distance x 10",
    "decimal point misplaced, distance / 10",
    "wrong digit in the degrees",
    "wrong digit in the minutes",
    "wrong digit in the seconds",
    "wrong digit in the distance",
    "digit left out of the distance",
    "digit keyed twice in the distance",
    "curve side reversed",
    "arc length keyed as the chord",
    "chord keyed as the arc length",
    "major and minor arc swapped",
    "wrong distance",
    "wrong bearing",
};

}  // namespace

std::string_view BlunderKindText(BlunderKind kind) {
  return kKindTexts[static_cast<size_t>(kind)];
}

}  // namespace tw
