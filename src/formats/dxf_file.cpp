#include "formats/dxf_file.h"

#include <string_view>

#include "boundary/numbers.h"
#include "formats/corners.h"
#include "formats/text_lines.h"

namespace tw {
namespace {

// The group codes in the print number form, written once: a group code is a
// small whole number, " 10 " for 10.
constexpr std::string_view kCode0 = " 0 ";
constexpr std::string_view kZero = " 0 ";

void AppendPair(std::string& out, std::string_view code, std::string_view value) {
  AppendLine(out, code);
  AppendLine(out, value);
}

// A corner's coordinates in the print number form: each corner ends one LINE
// and starts the next, and is converted only once.
struct CornerText {
  std::string x, y;
};

CornerText TextOf(Corner c) {
  return {PrintForm(c.x), PrintForm(c.y)};
}

void AppendLineEntity(std::string& out, const CornerText& from, const CornerText& to) {
  AppendPair(out, kCode0, "LINE");
  AppendPair(out, " 8 ", "0");
  AppendPair(out, " 10 ", from.x);
  AppendPair(out, " 20 ", from.y);
  AppendPair(out, " 30 ", kZero);
  AppendPair(out, " 11 ", to.x);
  AppendPair(out, " 21 ", to.y);
  AppendPair(out, " 31 ", kZero);
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
  AppendPair(out, kCode0, "SECTION");
  AppendPair(out, " 2 ", "HEADER");
  AppendPair(out, " 9 ", "$ACADVER");
  AppendPair(out, " 1 ", "AC1009");
  AppendPair(out, kCode0, "ENDSEC");
  AppendPair(out, kCode0, "SECTION");
  AppendPair(out, " 2 ", "ENTITIES");
  CornerText from = TextOf(start);
  for (const Corner& corner : *corners) {
    CornerText to = TextOf(corner);
    AppendLineEntity(out, from, to);
    from = std::move(to);
  }
  AppendPair(out, kCode0, "ENDSEC");
  AppendPair(out, kCode0, "EOF");
  return out;
}

}  // namespace tw
