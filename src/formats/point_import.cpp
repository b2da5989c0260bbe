#include "formats/point_import.h"

#include "boundary/entry.h"
#include "boundary/numbers.h"
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

std::optional<std::string> PointEntry(std::string_view line, const PointFormat& format) {
  const std::optional<std::string_view> x_text = Field(line, format.x_column);
  const std::optional<std::string_view> y_text = Field(line, format.y_column);
  if (!x_text || !y_text)
    return std::nullopt;
  const std::optional<double> x = ConvertStrict(*x_text);
  const std::optional<double> y = ConvertStrict(*y_text);
  if (!x || !y)
    return std::nullopt;
  return ComposePointEntry(PlainForm(*x), PlainForm(*y));
}

}  // namespace

const PointFormat* PointFormatNamed(std::string_view name) {
  for (const PointFormat& format : kPointFormats)
    if (name == format.name)
      return &format;
  return nullptr;
}

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
  const PointFormat* columns = PointFormatNamed(format);
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
