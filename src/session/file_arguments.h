// Files handed to the program from outside (the command line, a drop): which
// way each opens, and what is said about the ones left.
#pragma once

#include <string>
#include <string_view>

namespace tw {

// A name ending in ".twc" in any case opens as a project file; any other
// file goes to the point import dialog.
bool IsProjectFileName(std::string_view path);

// Said when several files came at once and only the first was opened: its
// name (Windows-1252, as every message) and how many were left.
std::string OnlyFirstOpenedMessage(std::string_view path, size_t others);

}  // namespace tw
