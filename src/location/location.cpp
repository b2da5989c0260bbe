#include "location/location.h"

#include <charconv>
#include <cmath>
#include <numbers>
#include <vector>

#include "base/numbers.h"
#include "base/quote.h"
#include "base/text.h"

namespace tw {
namespace {

constexpr std::string_view kEpsgPrefix = "EPSG:";
constexpr std::string_view kWgs84 = "WGS84";

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> fields;
  for (;;) {
    const size_t at = text.find(separator);
    fields.push_back(TrimBlanks(text.substr(0, at)));
    if (at == std::string_view::npos)
      return fields;
    text.remove_prefix(at + 1);
  }
}

// "EPSG:2248" gives 2248, "WGS84" gives 0; nullopt for anything else.
std::optional<int> FrameCode(std::string_view frame) {
  if (frame == kWgs84)
    return 0;
  if (!frame.starts_with(kEpsgPrefix))
    return std::nullopt;
  return EpsgNumberOf(frame.substr(kEpsgPrefix.size()));
}

Status ReadNumber(std::string_view field, const char* what, double& value) {
  const std::optional<double> read = ConvertStrict(field);
  if (!read)
    return Error{std::string("the ") + what + " \"" + QuoteForMessage(field) +
                 "\" is not a number"};
  value = *read;
  return Ok();
}

Status CheckRanges(const Location& l) {
  if (l.epsg == 0 && std::fabs(l.north) > 90)
    return Error{"the latitude is not between -90 and 90"};
  if (l.epsg == 0 && std::fabs(l.east) > 180)
    return Error{"the longitude is not between -180 and 180"};
  if (!(l.scale > 0))
    return Error{"the scale factor is not above 0"};
  return Ok();
}

// The frame and the numbers that follow it, as many as `fields` holds.
Result<Location> ReadFields(const std::vector<std::string_view>& fields) {
  const std::optional<int> code = FrameCode(fields[0]);
  if (!code)
    return Error{"\"" + QuoteForMessage(fields[0]) + "\" is neither EPSG:CODE nor WGS84"};
  Location l;
  l.epsg = *code;
  const char* north = l.epsg == 0 ? "latitude" : "northing";
  const char* east = l.epsg == 0 ? "longitude" : "easting";
  double* values[] = {&l.north, &l.east, &l.rotation, &l.scale};
  const char* names[] = {north, east, "rotation", "scale factor"};
  for (size_t i = 1; i < fields.size(); ++i) {
    if (const Status read = ReadNumber(fields[i], names[i - 1], *values[i - 1]); !read)
      return Error{read.error()};
  }
  if (const Status ranges = CheckRanges(l); !ranges)
    return Error{ranges.error()};
  return l;
}

}  // namespace

std::optional<int> EpsgNumberOf(std::string_view digits) {
  int code = 0;
  const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), code);
  if (digits.empty() || ec != std::errc() || end != digits.data() + digits.size() || code <= 0)
    return std::nullopt;
  return code;
}

bool IsLocationLine(std::string_view line) {
  return line.starts_with(kLocationTag) &&
         (line.size() == kLocationTag.size() || line[kLocationTag.size()] == ',');
}

std::string LocationLine(const Location& l) {
  const std::string frame =
      l.epsg == 0 ? std::string(kWgs84) : std::string(kEpsgPrefix) + std::to_string(l.epsg);
  return std::string(kLocationTag) + "," + frame + "," + PlainForm(l.north) + "," +
         PlainForm(l.east) + "," + PlainForm(l.rotation) + "," + PlainForm(l.scale);
}

Result<Location> ReadLocationLine(std::string_view line) {
  std::vector<std::string_view> fields = Split(line, ',');
  if (fields.size() != 6)
    return Error{"the location has " + std::to_string(fields.size()) + " fields, not 6"};
  fields.erase(fields.begin());
  return ReadFields(fields);
}

Result<Location> ReadPlaceText(std::string_view text) {
  std::vector<std::string_view> fields;
  for (std::string_view field : Split(TrimBlanks(text), ' ')) {
    if (!field.empty())
      fields.push_back(field);
  }
  if (fields.size() != 3)
    return Error{"a location is \"EPSG:CODE N E\" or \"WGS84 LAT LON\""};
  return ReadFields(fields);
}

PlanePoint GridOf(const Location& l, PlanePoint start, PlanePoint corner) {
  const double turn = l.rotation * std::numbers::pi / 180;
  const double c = std::cos(turn);
  const double s = std::sin(turn);
  const double de = corner.east - start.east;
  const double dn = corner.north - start.north;
  const PlanePoint origin = l.epsg == 0 ? PlanePoint{} : PlanePoint{l.east, l.north};
  return {origin.east + l.scale * (de * c + dn * s), origin.north + l.scale * (dn * c - de * s)};
}

}  // namespace tw
