#include "session/file_arguments.h"

#include "base/text.h"
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
  return "Only \"" + Utf8ToCp1252(FileNameOf(path)) + "\" was opened; " + std::to_string(others) +
         (others == 1 ? " other file was left." : " other files were left.");
}

}  // namespace tw
