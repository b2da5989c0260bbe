#include "formats/point_file.h"

#include "base/numbers.h"
#include "formats/corners.h"
#include "formats/count_form.h"
#include "formats/text_lines.h"

namespace tw {

void AppendCornerLine(std::string& out, size_t k, double north, double east) {
  AppendLeadingBlankCount(out, k);
  out += ',';
  AppendLeadingBlankForm(out, north);
  out += ',';
  AppendLeadingBlankForm(out, east);
  out += "\r\n";
}

size_t CornerLinesBound(size_t count) {
  // The count's own digits, two commas, two forms and CR LF.
  return count * (kLongestCount + 2 + 2 * kLongestForm + 2);
}

Result<std::string> PointFileBytes(const EntryTexts& entries, const ProgramState& state) {
  const Result<std::vector<PlanePoint>> corners =
      WalkCorners(entries, state.EntryMode, PlanePoint{state.FirstPointX, state.FirstPointY});
  if (!corners)
    return Error{corners.error()};
  // Never outgrown, so the file is never copied; the part of the reservation
  // left unwritten is never touched and takes no memory.
  std::string out;
  out.reserve(CornerLinesBound(corners->size()));
  for (size_t i = 0; i < corners->size(); ++i)
    AppendCornerLine(out, i + 1, (*corners)[i].north, (*corners)[i].east);
  return out;
}

}  // namespace tw
