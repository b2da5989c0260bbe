#include "formats/dxf_file.h"

#include <string_view>

#include "boundary/numbers.h"
#include "formats/corners.h"
#include "formats/text_lines.h"

namespace tw {
namespace {

void AppendPair(std::string& out, int code, std::string_view text) {
  AppendLine(out, PrintForm(code));
  AppendLine(out, text);
}

void AppendPair(std::string& out, int code, double value) {
  AppendLine(out, PrintForm(code));
  AppendLine(out, PrintForm(value));
}

void AppendLineEntity(std::string& out, Corner from, Corner to) {
  AppendPair(out, 0, "LINE");
  AppendPair(out, 8, "0");
  AppendPair(out, 10, from.x);
  AppendPair(out, 20, from.y);
  AppendPair(out, 30, 0.0);
  AppendPair(out, 11, to.x);
  AppendPair(out, 21, to.y);
  AppendPair(out, 31, 0.0);
}

}  // namespace

Result<std::string> DxfFileBytes(const std::vector<std::string>& entries,
                                 const ProgramState& state) {
  const Corner start{state.FirstPointX, state.FirstPointY};
  const Result<std::vector<Corner>> corners = WalkCorners(entries, state.EntryMode, start);
  if (!corners)
    return Error{corners.error()};
  std::string out;
  out.reserve(120 + corners->size() * 110);
  AppendPair(out, 0, "SECTION");
  AppendPair(out, 2, "HEADER");
  AppendPair(out, 9, "$ACADVER");
  AppendPair(out, 1, "AC1009");
  AppendPair(out, 0, "ENDSEC");
  AppendPair(out, 0, "SECTION");
  AppendPair(out, 2, "ENTITIES");
  Corner from = start;
  for (const Corner& to : *corners) {
    AppendLineEntity(out, from, to);
    from = to;
  }
  AppendPair(out, 0, "ENDSEC");
  AppendPair(out, 0, "EOF");
  return out;
}

}  // namespace tw
