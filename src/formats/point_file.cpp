#include "formats/point_file.h"

#include "boundary/numbers.h"
#include "formats/corners.h"
#include "formats/count_form.h"
#include "formats/text_lines.h"

namespace tw {

Result<std::string> PointFileBytes(const std::vector<std::string>& entries,
                                   const ProgramState& state) {
  const Result<std::vector<Corner>> corners =
      WalkCorners(entries, state.EntryMode, Corner{state.FirstPointX, state.FirstPointY});
  if (!corners)
    return Error{corners.error()};
  std::string out;
  out.reserve(corners->size() * 40);
  std::string line;
  for (size_t i = 0; i < corners->size(); ++i) {
    const Corner& c = (*corners)[i];
    line = LeadingBlankCount(i + 1);
    line += ',';
    line += LeadingBlankForm(c.y);
    line += ',';
    line += LeadingBlankForm(c.x);
    AppendLine(out, line);
  }
  return out;
}

}  // namespace tw
