// Entry texts and messages are Windows-1252 bytes; the widgets show Unicode.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace tw {

// Every byte has a character: 0x80-0x9F by the code page's table (the five
// unassigned bytes keep their C1 code points), the rest as Latin-1.
QString FromCp1252(std::string_view bytes);

// The reverse; a character the code page lacks becomes "?".
std::string ToCp1252(const QString& text);

}  // namespace tw
