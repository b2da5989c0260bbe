#include "session/file_arguments.h"

#include "files/text_encoding.h"

namespace tw {

bool IsProjectFileName(std::string_view path) {
  if (path.size() < 4)
    return false;
  std::string ending(path.substr(path.size() - 4));
  for (char& c : ending) {
    if (c >= 'A' && c <= 'Z')
      c = static_cast<char>(c - 'A' + 'a');
  }
  return ending == ".twc";
}

std::string OnlyFirstOpenedMessage(std::string_view path, size_t others) {
  const size_t slash = path.rfind('/');
  const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  return "Only \"" + Utf8ToCp1252(name) + "\" was opened; " + std::to_string(others) +
         (others == 1 ? " other file was left." : " other files were left.");
}

}  // namespace tw
