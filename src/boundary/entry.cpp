#include "boundary/entry.h"

#include <optional>

#include "boundary/numbers.h"

namespace tw {
namespace {

constexpr size_t kShortestBearingEntry = 17;  // "NE 00°00'00'' @" + unit

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

Result<double> ReadField(std::string_view text, std::string_view name) {
  // Two digits, as nearly every angle field is, need no general conversion;
  // the area and the redraw read three of them per entry.
  if (text.size() == 2 && IsDigit(text[0]) && IsDigit(text[1]))
    return static_cast<double>((text[0] - '0') * 10 + (text[1] - '0'));
  const std::optional<double> value = ConvertStrict(text);
  if (!value)
    return Error{"the " + std::string(name) + " \"" + std::string(text) + "\" is not a number"};
  return *value;
}

}  // namespace

EntryKind KindOf(std::string_view entry0) {
  return (!entry0.empty() && (entry0[0] == 'N' || entry0[0] == 'S')) ? EntryKind::Angle
                                                                     : EntryKind::Point;
}

Result<BearingFields> ReadBearingEntry(std::string_view entry) {
  if (entry.size() < kShortestBearingEntry)
    return Error{"the bearing entry is too short"};
  BearingFields f;
  f.quadrant = entry.substr(0, 2);
  const Result<double> degrees = ReadField(entry.substr(3, 2), "degrees");
  if (!degrees)
    return Error{degrees.error()};
  const Result<double> minutes = ReadField(entry.substr(6, 2), "minutes");
  if (!minutes)
    return Error{minutes.error()};
  const Result<double> seconds = ReadField(entry.substr(9, 2), "seconds");
  if (!seconds)
    return Error{seconds.error()};
  f.distance = entry.substr(15, entry.size() - kShortestBearingEntry);
  const Result<double> distance = ReadField(f.distance, "distance");
  if (!distance)
    return Error{distance.error()};
  f.degrees = *degrees;
  f.minutes = *minutes;
  f.seconds = *seconds;
  f.length = *distance;
  return f;
}

Result<PointFields> ReadPointEntry(std::string_view entry) {
  const size_t separator = entry.find(" , ");
  if (separator == std::string_view::npos)
    return Error{"the point entry has no \" , \""};
  const Result<double> x = ReadField(entry.substr(0, separator), "X");
  if (!x)
    return Error{x.error()};
  // Split semantics: Y is the piece up to a further separator, if any.
  std::string_view rest = entry.substr(separator + 3);
  rest = rest.substr(0, rest.find(" , "));
  const Result<double> y = ReadField(rest, "Y");
  if (!y)
    return Error{y.error()};
  return PointFields{*x, *y};
}

std::string UnreadableEntryMessage(size_t index, std::string_view entry, std::string_view reason) {
  return "Entry " + std::to_string(index + 1) + " cannot be read (" + std::string(reason) +
         "): " + std::string(entry);
}

}  // namespace tw
