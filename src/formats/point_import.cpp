#include "formats/point_import.h"

#include "base/numbers.h"
#include "boundary/entry.h"
#include "formats/text_lines.h"

namespace tw {
namespace {

// The field at index, or nullopt when the line has fewer fields.
std::optional<std::string_view> Field(std::string_view line, size_t index) {
  for (size_t i = 0; i < index; ++i) {
    const size_t comma = line.find(',');
    if (comma == std::string_view::npos)
      return std::nullopt;
    line.remove_prefix(comma + 1);
  }
  return line.substr(0, line.find(','));
}

// Writes the entry of the line into `entry`, which is reused from line to
// line; false when the line has no such entry.
bool PointEntry(std::string_view line, const PointFormat& format, std::string& entry) {
  const std::optional<std::string_view> x_text = Field(line, format.x_column);
  const std::optional<std::string_view> y_text = Field(line, format.y_column);
  if (!x_text || !y_text)
    return false;
  const std::optional<double> x = ConvertStrict(*x_text);
  const std::optional<double> y = ConvertStrict(*y_text);
  if (!x || !y)
    return false;
  entry.clear();
  AppendPointEntry(entry, *x, *y);
  return true;
}

}  // namespace

const PointFormat* PointFormatNamed(std::string_view name) {
  for (const PointFormat& format : kPointFormats)
    if (name == format.name)
      return &format;
  return nullptr;
}

PointFileLines PreviewLines(std::string_view bytes) {
  PointFileLines preview;
  // Never outgrown, so never copied; what the line ends leave unused is never
  // touched and takes no memory.
  const size_t lines = LineCount(bytes);
  preview.texts.reserve(lines, bytes.size());
  preview.numbers.reserve(lines);
  LineCursor cursor(bytes);
  std::string_view line;
  while (cursor.Next(line)) {
    if (line.empty())
      continue;
    preview.texts.push_back(line);
    preview.numbers.push_back(cursor.LineNumber());
  }
  return preview;
}

PointImport BuildPointEntries(const PointFileLines& preview, std::string_view format) {
  PointImport result;
  const PointFormat* columns = PointFormatNamed(format);
  // An entry is about as long as its line: "X , Y" against "PN,N,E".
  if (columns)
    result.entries.reserve(preview.size(), preview.texts.text_size());
  std::string entry;
  for (size_t i = 0; i < preview.size(); ++i) {
    if (columns && PointEntry(preview.texts[i], *columns, entry)) {
      result.entries.push_back(entry);
      continue;
    }
    if (result.skipped++ == 0)
      result.first_skipped = preview[i];
  }
  return result;
}

}  // namespace tw
