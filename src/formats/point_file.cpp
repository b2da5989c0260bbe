#include "formats/point_file.h"

#include "boundary/numbers.h"
#include "formats/corners.h"
#include "formats/count_form.h"
#include "formats/text_lines.h"

namespace tw {

std::string CornerLine(size_t k, double north, double east) {
  std::string line = LeadingBlankCount(k);
  line += ',';
  line += LeadingBlankForm(north);
  line += ',';
  line += LeadingBlankForm(east);
  return line;
}

Result<std::string> PointFileBytes(const std::vector<std::string>& entries,
                                   const ProgramState& state) {
  const Result<std::vector<Corner>> corners =
      WalkCorners(entries, state.EntryMode, Corner{state.FirstPointX, state.FirstPointY});
  if (!corners)
    return Error{corners.error()};
  std::string out;
  out.reserve(corners->size() * 40);
  for (size_t i = 0; i < corners->size(); ++i)
    AppendLine(out, CornerLine(i + 1, (*corners)[i].y, (*corners)[i].x));
  return out;
}

}  // namespace tw
