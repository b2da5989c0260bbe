#include "formats/point_import.h"

#include "boundary/entry.h"
#include "boundary/numbers.h"
#include "formats/text_lines.h"

namespace tw {
namespace {

// Zero-based fields of the Easting and the Northing.
struct Columns {
  size_t x = 0;
  size_t y = 0;
};

std::optional<Columns> ColumnsOf(std::string_view format) {
  static constexpr Columns kColumns[] = {{2, 1}, {1, 2}, {1, 0}, {0, 1}};
  for (size_t i = 0; i < kPointFormats.size(); ++i) {
    if (format == kPointFormats[i])
      return kColumns[i];
  }
  return std::nullopt;
}

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

std::optional<std::string> PointEntry(std::string_view line, Columns columns) {
  const std::optional<std::string_view> x_text = Field(line, columns.x);
  const std::optional<std::string_view> y_text = Field(line, columns.y);
  if (!x_text || !y_text)
    return std::nullopt;
  const std::optional<double> x = ConvertStrict(*x_text);
  const std::optional<double> y = ConvertStrict(*y_text);
  if (!x || !y)
    return std::nullopt;
  return ComposePointEntry(PlainForm(*x), PlainForm(*y));
}

}  // namespace

std::vector<PreviewLine> PreviewLines(std::string_view bytes) {
  std::vector<PreviewLine> preview;
  LineCursor cursor(bytes);
  std::string_view line;
  while (cursor.Next(line)) {
    if (!line.empty())
      preview.push_back({cursor.LineNumber(), std::string(line)});
  }
  return preview;
}

PointImport BuildPointEntries(const std::vector<PreviewLine>& preview, std::string_view format) {
  PointImport result;
  const std::optional<Columns> columns = ColumnsOf(format);
  result.entries.reserve(columns ? preview.size() : 0);
  for (const PreviewLine& line : preview) {
    std::optional<std::string> entry;
    if (columns)
      entry = PointEntry(line.text, *columns);
    if (entry) {
      result.entries.push_back(std::move(*entry));
      continue;
    }
    if (result.skipped++ == 0)
      result.first_skipped = line;
  }
  return result;
}

}  // namespace tw
