// Turning the lines of a point file into point entries, in one of four
// column orders. Fields are separated by ","; blanks around a field do no
// harm; fields past the ones a format uses (elevation, description) are
// ignored, and the point number is never read.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "boundary/entry_texts.h"

namespace tw {

inline constexpr const char* kPointImportFilter =
    "ASCII point file (*.asc, *.txt)|*.asc;*.txt|All Files (*.*)|*.*|";

// A column order: its name as the import dialog and the batch command take it,
// and the zero-based fields of the Easting and the Northing.
struct PointFormat {
  const char* name;
  size_t x_column;
  size_t y_column;
};

// In the order the import dialog lists them; the first is the default.
inline constexpr std::array<PointFormat, 4> kPointFormats = {{
    {"PN, N, E", 2, 1},
    {"PN, E, N", 1, 2},
    {"N, E", 1, 0},
    {"E, N", 0, 1},
}};

// The format of that exact name, or nullptr.
const PointFormat* PointFormatNamed(std::string_view name);

// One non-empty line of the file, unchanged, with its line number counted
// from 1 over every line of the file, empty ones included.
struct PreviewLine {
  size_t line_number = 0;
  std::string text;
};

// The non-empty lines of a point file, in file order, held as compactly as
// a list's entries: a point file of a million lines is read whole.
struct PointFileLines {
  EntryTexts texts;             // unchanged
  std::vector<size_t> numbers;  // of each, as PreviewLine counts them

  size_t size() const { return texts.size(); }
  PreviewLine operator[](size_t i) const { return {numbers[i], std::string(texts[i])}; }
};

PointFileLines PreviewLines(std::string_view bytes);

struct PointImport {
  EntryTexts entries;  // "X , Y" in the plain number form
  size_t skipped = 0;  // lines whose needed fields are missing or not numbers
  std::optional<PreviewLine> first_skipped;
};

// One entry per line that holds the format's two fields as numbers. A format
// text that is none of the four reads no line at all.
PointImport BuildPointEntries(const PointFileLines& preview, std::string_view format);

}  // namespace tw
