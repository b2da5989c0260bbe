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

namespace tw {

inline constexpr const char* kPointImportFilter =
    "ASCII point file (*.asc, *.txt)|*.asc;*.txt|All Files (*.*)|*.*|";

// In the order the import dialog lists them; the first is the default.
inline constexpr std::array<const char*, 4> kPointFormats = {"PN, N, E", "PN, E, N", "N, E",
                                                             "E, N"};

// One non-empty line of the file, unchanged, with its line number counted
// from 1 over every line of the file, empty ones included.
struct PreviewLine {
  size_t line_number = 0;
  std::string text;
};

// The non-empty lines of a point file, in file order.
std::vector<PreviewLine> PreviewLines(std::string_view bytes);

struct PointImport {
  std::vector<std::string> entries;  // "X , Y" in the plain number form
  size_t skipped = 0;                // lines whose needed fields are missing or not numbers
  std::optional<PreviewLine> first_skipped;
};

// One entry per line that holds the format's two fields as numbers. A format
// text that is none of the four reads no line at all.
PointImport BuildPointEntries(const std::vector<PreviewLine>& preview, std::string_view format);

}  // namespace tw
