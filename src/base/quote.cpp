#include "base/quote.h"

namespace tw {
namespace {

bool IsControl(unsigned char byte) {
  return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::string QuoteForMessage(std::string_view text) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  const std::string_view head = text.substr(0, kQuotedBytes);
  std::string quoted;
  quoted.reserve(head.size() + 3);
  for (const char c : head) {
    const auto byte = static_cast<unsigned char>(c);
    if (IsControl(byte)) {
      quoted += "\\x";
      quoted += kHex[byte >> 4];
      quoted += kHex[byte & 0xF];
    } else {
      quoted += c;
    }
  }
  if (text.size() > head.size())
    quoted += "...";
  return quoted;
}

}  // namespace tw
