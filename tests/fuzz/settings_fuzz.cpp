// The settings file: a written value reads back, and the other keys keep
// theirs, whatever the file held before.
#include "fuzz/fuzz_check.h"
#include "settings/ini_file.h"

#include <fstream>

using namespace tw;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fuzz::ScratchFile path_file("Quadrell.ini");
  const std::string& path = path_file.path;
  const std::string_view text = fuzz::Text(data, size);
  std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
  // The value: the last bytes of the input that a read gives back unchanged.
  std::string value;
  for (char c : text.substr(size > 16 ? size - 16 : 0)) {
    if (static_cast<unsigned char>(c) > ' ' && c != '"' && c != '\'')
      value += c;
  }
  const std::string system = ReadIniString("SETTINGS", "SYSTEM", path);
  const std::string other = ReadIniString("OTHER", "MODE", path);
  if (!WriteIniString("SETTINGS", "MODE", value, path))
    return 0;
  FUZZ_CHECK(ReadIniString("settings", "mode", path) == value);
  FUZZ_CHECK(ReadIniString("SETTINGS", "SYSTEM", path) == system);
  FUZZ_CHECK(ReadIniString("OTHER", "MODE", path) == other);
  return 0;
}
