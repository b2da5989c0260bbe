// Between the program's Windows-1252 texts and the UTF-8 of file names and
// terminals.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// The character of a Windows-1252 byte: 0x80-0x9F by the code page's table
// (the five unassigned bytes keep their C1 code points), the rest as Latin-1.
char32_t Cp1252CodePoint(unsigned char byte);

// The byte of a character; "?" for a character the code page lacks.
char Cp1252Byte(char32_t c);

// A UTF-8 text, such as a file name, in Windows-1252 for a message; a
// character the code page lacks becomes "?". A text that is not valid UTF-8
// is returned as it is.
std::string Utf8ToCp1252(std::string_view utf8);

// Where the first character the code page lacks, or the first sequence that is
// not UTF-8, starts in a UTF-8 text; npos when the whole text converts.
size_t FirstNonCp1252(std::string_view utf8);

// Where the first sequence that is not UTF-8 starts; npos when there is none.
size_t FirstNonUtf8(std::string_view text);

// A Windows-1252 text in UTF-8, for a terminal.
std::string Cp1252ToUtf8(std::string_view cp1252);

// A file name for a UTF-8 text: as it is when it is UTF-8, else with each
// byte read as Windows-1252, as the messages show such a name.
std::string Utf8FileName(std::string_view name);

// A UTF-8 text, such as a file name, in UTF-16; each byte that does not
// start a UTF-8 character becomes U+FFFD, as a file name's decoding does.
std::u16string Utf8ToUtf16(std::string_view utf8);

}  // namespace tw
