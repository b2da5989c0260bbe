#include "shell/window/cp1252.h"

#include "files/text_encoding.h"

namespace tw {

QString FromCp1252(std::string_view bytes) {
  QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
  QChar* out = text.data();
  for (size_t i = 0; i < bytes.size(); ++i)
    out[i] = QChar(static_cast<char16_t>(Cp1252CodePoint(static_cast<unsigned char>(bytes[i]))));
  return text;
}

std::string ToCp1252(const QString& text) {
  std::string bytes;
  bytes.reserve(static_cast<size_t>(text.size()));
  for (QChar c : text)
    bytes.push_back(Cp1252Byte(c.unicode()));
  return bytes;
}

}  // namespace tw
