// Entry texts written readably in a test: "NE 45°30'15'' @100LF" in the
// source's UTF-8 becomes the program's Windows-1252 bytes (degree sign 0xB0).
#pragma once

#include <string>
#include <string_view>

namespace tw::test {

inline std::string Cp1252(std::string_view utf8) {
  std::string out;
  for (size_t i = 0; i < utf8.size(); ++i) {
    if (utf8[i] == '\xC2' && i + 1 < utf8.size() && utf8[i + 1] == '\xB0') {
      out.push_back('\xB0');
      ++i;
    } else {
      out.push_back(utf8[i]);
    }
  }
  return out;
}

}  // namespace tw::test
