#include "entry/input_fields.h"

#include "base/numbers.h"
#include "boundary/entry.h"

namespace tw {
namespace {

constexpr int kBackspace = 8;
constexpr int kTab = 9;
constexpr int kMostDeltaDegrees = 359;

// A text whose digits overflow a double reads as no number; its sign still
// says on which side of the limit it lies.
bool StartsNegative(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t");
  return first != std::string_view::npos && text[first] == '-';
}

}  // namespace

bool FilterNumericKey(int code) {
  return code == kBackspace || code == kTab || code == '.' || code == '-' ||
         (code >= '0' && code <= '9');
}

std::optional<int> FieldRangeLimit(std::string_view box_name) {
  struct Limit {
    std::string_view box;
    int most;
  };
  // A curve's bearing boxes are checked as a line's; its delta turns up to
  // a whole circle.
  static constexpr Limit kLimits[] = {
      {"TxtDegrees", kMostDegrees},           {"txtMinutes", kMostMinutes},
      {"txtSeconds", kMostSeconds},           {"txtCurveDegrees", kMostDegrees},
      {"txtCurveMinutes", kMostMinutes},      {"txtCurveSeconds", kMostSeconds},
      {"txtDeltaDegrees", kMostDeltaDegrees}, {"txtDeltaMinutes", kMostMinutes},
      {"txtDeltaSeconds", kMostSeconds},
  };
  for (const Limit& l : kLimits)
    if (l.box == box_name)
      return l.most;
  return std::nullopt;
}

std::optional<std::string> CheckFieldRange(std::string_view box_name, std::string_view text) {
  const std::optional<int> limit = FieldRangeLimit(box_name);
  if (!limit)
    return std::nullopt;
  const std::optional<double> value = ReadLeadingNumber(text);
  const bool over = value ? *value > *limit : !StartsNegative(text);
  if (!over)
    return std::nullopt;
  return "Invalid number entered  (>" + std::to_string(*limit) + ")";
}

}  // namespace tw
