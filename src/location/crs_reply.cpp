#include "location/crs_reply.h"

namespace tw {

std::string CrsReplyText(const CrsReply& reply) {
  return reply.name + "\n" + reply.unit + "\n" + reply.family + "\n";
}

std::optional<CrsReply> ReadCrsReply(std::string_view out) {
  std::string lines[3];
  for (std::string& line : lines) {
    const size_t end = out.find('\n');
    if (end == std::string_view::npos)
      return std::nullopt;
    line = out.substr(0, end);
    out.remove_prefix(end + 1);
  }
  if (!out.empty())
    return std::nullopt;
  return CrsReply{lines[0], lines[1], lines[2]};
}

}  // namespace tw
