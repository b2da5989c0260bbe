#include "formats/dxf_file.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <string_view>

#include "base/entry_mode.h"
#include "base/numbers.h"
#include "formats/text_lines.h"
#include "geometry/corner_walk.h"

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

// A number in the print number form, converted in place.
class NumberText {
 public:
  explicit NumberText(double v) : end_(WritePrintForm(text_, v)) {}
  operator std::string_view() const { return std::string_view(text_, end_); }  // NOLINT

 private:
  char text_[kLongestForm + 1];
  char* end_;
};

// Degrees from 0 up to 360 of an angle in radians, by the program's angle
// constant, as an entry's degrees became radians.
double ArcDegrees(double radians) {
  const double degrees = std::fmod(radians * 180 / kAngleConstant, 360.0);
  return degrees < 0 ? degrees + 360 : degrees;
}

// A DXF arc runs counter-clockwise from its start angle to its end angle, so
// a right curve is written from where it ends to where it starts.
void AppendArcEntity(std::string& out, PlanePoint from, const CurveElements& e) {
  const double start = ArcStartAngle(e);
  const double end = start + ArcSweep(e);
  const bool left = e.side == CurveSide::Left;
  AppendPair(out, kCode0, "ARC");
  AppendPair(out, " 8 ", "0");
  AppendPair(out, " 10 ", NumberText(from.east + e.to_centre.east));
  AppendPair(out, " 20 ", NumberText(from.north + e.to_centre.north));
  AppendPair(out, " 30 ", kZero);
  AppendPair(out, " 40 ", NumberText(e.radius));
  AppendPair(out, " 50 ", NumberText(ArcDegrees(left ? start : end)));
  AppendPair(out, " 51 ", NumberText(ArcDegrees(left ? end : start)));
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
// with empty coordinates, and for each entry the larger of a LINE with four
// print forms of the longest and an ARC with five.
size_t DxfBound(size_t entities) {
  std::string fixed;
  AppendHeader(fixed);
  AppendFooter(fixed);
  const size_t frame = fixed.size();
  fixed.clear();
  const CornerText none(PlanePoint{});
  AppendLineEntity(fixed, none, none);
  const size_t line = fixed.size() - 2 * none.X().size() - 2 * none.Y().size();
  fixed.clear();
  AppendArcEntity(fixed, PlanePoint{}, CurveElements{});
  const size_t arc = fixed.size() - 5 * std::string_view(NumberText(0)).size();
  return frame + entities * (std::max(line + 4 * (kLongestForm + 1), arc + 5 * (kLongestForm + 1)));
}

}  // namespace

Result<std::string> DxfFileBytes(const EntryTexts& entries, const ProgramState& state) {
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  const EntryKind kind = IsPointMode(state.EntryMode) ? EntryKind::Point : EntryKind::Angle;
  // Never outgrown, so the file is never copied; the part of the reservation
  // left unwritten is never touched and takes no memory.
  std::string out;
  out.reserve(DxfBound(entries.size()));
  AppendHeader(out);
  PlanePoint at = start;
  CornerText from(start);
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, kind, start, [&](const CornerStep& s) {
        CornerText to(s.corner);
        if (s.is_curve)
          AppendArcEntity(out, at, s.arc);
        else
          AppendLineEntity(out, from, to);
        at = s.corner;
        from = to;
      });
  if (stop)
    return Error{stop->message};
  AppendFooter(out);
  return out;
}

}  // namespace tw
