// The settings file: an INI text file of sections and key=value lines.
// Section and key names match whatever their case; values are bytes as
// written (Windows-1252).
#pragma once

#include <string>
#include <string_view>

namespace tw {

// Writes key=value into the section: an existing key gets the new value in
// place, a missing key is added at the end of its section, a missing section
// or file is created. Other sections and keys keep their order. Lines end in
// CR LF. Written atomically (WriteFileAtomically), so a failed write never
// destroys the old file. False when the file could not be written; the folder
// is not created.
bool WriteIniString(std::string_view section, std::string_view key, std::string_view value,
                    const std::string& path);

// The value of the key in the section, blanks around it and one pair of
// enclosing quotes dropped, at most 254 characters; "" when the file, the
// section or the key is missing.
std::string ReadIniString(std::string_view section, std::string_view key, const std::string& path);

}  // namespace tw
