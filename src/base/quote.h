// How a message quotes a line, an entry or a field of one: a damaged file can
// hold a line of many megabytes, and the message must stay readable.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tw {

inline constexpr size_t kQuotedBytes = 80;

// The first kQuotedBytes bytes of the Windows-1252 text, each byte below 0x20
// and the byte 0x7F written as "\xHH" (upper-case hex, still one of the
// kQuotedBytes), then "..." when anything was cut. No quotation marks added.
std::string QuoteForMessage(std::string_view text);

}  // namespace tw
