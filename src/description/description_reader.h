// Reading a metes-and-bounds description into bearing entries: every call
// with the words it came from, every word not used, and every doubt, so that
// nothing of the text is dropped or guessed silently. A pure function of the
// text and the options.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "geometry/plane.h"

namespace tw {

struct DescriptionOptions {
  std::string unit = "LF";  // the list's unit: "LF" or "m."
  double rotation = 0;      // degrees, positive turning every bearing clockwise
};

// Bytes [begin, end) of the text, and where begin lies (line and column
// counted from 1, the column in bytes).
struct TextSpan {
  size_t begin = 0;
  size_t end = 0;
  size_t line = 1;
  size_t column = 1;
};

struct ReadCall {
  std::string entry;                // the bearing entry it becomes
  TextSpan span;                    // from its first word to its last
  std::vector<std::string> doubts;  // why a scan may have changed it
  std::vector<std::string> notes;   // conversions, rounding, a repeated course
};

// Text that looked like a call and could not be read.
struct UnreadCall {
  TextSpan span;
  std::string reason;
};

struct DescriptionReading {
  // The commencement's courses to the point of beginning: not boundary.
  std::vector<ReadCall> ties;
  std::vector<ReadCall> calls;
  std::vector<UnreadCall> unread;
  // The words used by no call, nor as a separator or heading: shown shaded.
  std::vector<TextSpan> unused;
  // "containing 1.234 acres", in the square of the list's unit.
  std::optional<double> record_area;
  std::string record_area_text;
  // The commencement (as given, or (0, 0)) and the point of beginning
  // reached from it through the ties.
  PlanePoint commencement;
  PlanePoint start;
  // What applies to every call: the rotation, the foot and vara used.
  std::vector<std::string> notes;

  bool HasDoubts() const;
};

// The text is Windows-1252.
DescriptionReading ReadDescription(std::string_view text, const DescriptionOptions& options);

// A description file's bytes as Windows-1252: UTF-8 when they are valid UTF-8
// (a byte-order mark skipped), Windows-1252 otherwise.
std::string DescriptionFileText(std::string_view bytes);

// "line 3, column 12: ..." for a message.
std::string PlaceText(const TextSpan& span);

}  // namespace tw
