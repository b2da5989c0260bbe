#include "formats/dxf_file.h"

#include <cstddef>
#include <string_view>

#include "base/numbers.h"
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
// and starts the next, and is converted only once. The texts stay within the
// object (at most kLongestForm + 1 bytes each), so no corner allocates.
class CornerText {
 public:
  explicit CornerText(PlanePoint c)
      : x_end_(WritePrintForm(text_, c.east) - text_),
        y_end_(WritePrintForm(text_ + x_end_, c.north) - text_) {}
  std::string_view X() const { return std::string_view(text_, static_cast<size_t>(x_end_)); }
  std::string_view Y() const {
    return std::string_view(text_ + x_end_, static_cast<size_t>(y_end_ - x_end_));
  }

 private:
  char text_[2 * (kLongestForm + 1)];
  ptrdiff_t x_end_;
  ptrdiff_t y_end_;
};

void AppendLineEntity(std::string& out, const CornerText& from, const CornerText& to) {
  AppendPair(out, kCode0, "LINE");
  AppendPair(out, " 8 ", "0");
  AppendPair(out, " 10 ", from.X());
  AppendPair(out, " 20 ", from.Y());
  AppendPair(out, " 30 ", kZero);
  AppendPair(out, " 11 ", to.X());
  AppendPair(out, " 21 ", to.Y());
  AppendPair(out, " 31 ", kZero);
}

void AppendHeader(std::string& out) {
  AppendPair(out, kCode0, "SECTION");
  AppendPair(out, " 2 ", "HEADER");
  AppendPair(out, " 9 ", "$ACADVER");
  AppendPair(out, " 1 ", "AC1009");
  AppendPair(out, kCode0, "ENDSEC");
  AppendPair(out, kCode0, "SECTION");
  AppendPair(out, " 2 ", "ENTITIES");
}

void AppendFooter(std::string& out) {
  AppendPair(out, kCode0, "ENDSEC");
  AppendPair(out, kCode0, "EOF");
}

// The most bytes the file can take: its fixed text, counted by writing it
// with empty coordinates, and four print forms of the longest a LINE.
size_t DxfBound(size_t lines) {
  std::string fixed;
  AppendHeader(fixed);
  AppendFooter(fixed);
  const size_t frame = fixed.size();
  fixed.clear();
  const CornerText none(PlanePoint{});
  AppendLineEntity(fixed, none, none);
  const size_t entity = fixed.size() - 2 * none.X().size() - 2 * none.Y().size();
  return frame + lines * (entity + 4 * (kLongestForm + 1));
}

}  // namespace

Result<std::string> DxfFileBytes(const EntryTexts& entries, const ProgramState& state) {
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  const Result<std::vector<PlanePoint>> corners = WalkCorners(entries, state.EntryMode, start);
  if (!corners)
    return Error{corners.error()};
  // Never outgrown, so the file is never copied; the part of the reservation
  // left unwritten is never touched and takes no memory.
  std::string out;
  out.reserve(DxfBound(corners->size()));
  AppendHeader(out);
  CornerText from(start);
  for (const PlanePoint& corner : *corners) {
    CornerText to(corner);
    AppendLineEntity(out, from, to);
    from = to;
  }
  AppendFooter(out);
  return out;
}

}  // namespace tw
