// What the map program answers when asked about an EPSG code ("crs CODE"):
// the CRS's name, its unit in words and the unit's family, one a line. The
// window and the batch tool ask it rather than load PROJ themselves.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tw {

struct CrsReply {
  std::string name;    // UTF-8, as PROJ's database has it
  std::string unit;    // "metre", "international foot", kUsSurveyFootWords or PROJ's own name
  std::string family;  // "foot", "metre" or "other"

  bool operator==(const CrsReply&) const = default;
};

inline constexpr std::string_view kUsSurveyFootWords = "US survey foot";

std::string CrsReplyText(const CrsReply& reply);

// None unless `out` holds the three lines.
std::optional<CrsReply> ReadCrsReply(std::string_view out);

}  // namespace tw
