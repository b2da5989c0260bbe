#include "files/text_encoding.h"

#include <array>
#include <optional>

namespace tw {
namespace {

// 0x80-0x9F of Windows-1252; 0 where the code page leaves a byte unassigned
// (such a byte stands for the C1 control of the same number).
constexpr std::array<char32_t, 32> kHighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

}  // namespace

char32_t Cp1252CodePoint(unsigned char byte) {
  if (byte >= 0x80 && byte <= 0x9F && kHighControls[byte - 0x80] != 0)
    return kHighControls[byte - 0x80];
  return byte;
}

char Cp1252Byte(char32_t c) {
  if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
    return static_cast<char>(c);
  for (size_t i = 0; i < kHighControls.size(); ++i) {
    if (kHighControls[i] == c || (kHighControls[i] == 0 && c == 0x80 + i))
      return static_cast<char>(0x80 + i);
  }
  return '?';
}

namespace {

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// The smallest code point each length of sequence may carry: a longer form
// of a smaller one (overlong) would let one character hide behind several
// spellings.
constexpr std::array<char32_t, 4> kSmallestOfLength = {0, 0x80, 0x800, 0x10000};

// The code point starting at text[i], advancing i; nullopt for a malformed
// sequence, an overlong form, a surrogate or a code point past U+10FFFF.
std::optional<char32_t> NextCodePoint(std::string_view text, size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  if (lead < 0x80)
    return lead;
  const int extra = lead >= 0xF0 && lead < 0xF8 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
  if (extra < 0 || i + static_cast<size_t>(extra) > text.size())
    return std::nullopt;
  char32_t c = lead & (0x3F >> extra);
  for (int k = 0; k < extra; ++k) {
    const auto next = static_cast<unsigned char>(text[i++]);
    if ((next & 0xC0) != 0x80)
      return std::nullopt;
    c = (c << 6) | (next & 0x3F);
  }
  if (c < kSmallestOfLength[static_cast<size_t>(extra)] || (c >= 0xD800 && c <= 0xDFFF) ||
      c > 0x10FFFF)
    return std::nullopt;
  return c;
}

}  // namespace

std::string Utf8ToCp1252(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const std::optional<char32_t> c = NextCodePoint(utf8, i);
    if (!c)
      return std::string(utf8);
    out += Cp1252Byte(*c);
  }
  return out;
}

size_t FirstNonCp1252(std::string_view utf8) {
  for (size_t i = 0; i < utf8.size();) {
    const size_t start = i;
    const std::optional<char32_t> c = NextCodePoint(utf8, i);
    if (!c || (Cp1252Byte(*c) == '?' && *c != U'?'))
      return start;
  }
  return std::string_view::npos;
}

size_t FirstNonUtf8(std::string_view text) {
  for (size_t i = 0; i < text.size();) {
    const size_t start = i;
    if (!NextCodePoint(text, i))
      return start;
  }
  return std::string_view::npos;
}

std::string Cp1252ToUtf8(std::string_view cp1252) {
  std::string out;
  out.reserve(cp1252.size());
  for (const char byte : cp1252)
    AppendUtf8(out, Cp1252CodePoint(static_cast<unsigned char>(byte)));
  return out;
}

std::string Utf8FileName(std::string_view name) {
  return FirstNonUtf8(name) == std::string_view::npos ? std::string(name) : Cp1252ToUtf8(name);
}

std::u16string Utf8ToUtf16(std::string_view utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  for (size_t i = 0; i < utf8.size();) {
    const size_t start = i;
    std::optional<char32_t> c = NextCodePoint(utf8, i);
    if (!c) {
      c = U'\uFFFD';
      i = start + 1;
    }
    if (*c < 0x10000) {
      out += static_cast<char16_t>(*c);
    } else {
      out += static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10));
      out += static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF));
    }
  }
  return out;
}

}  // namespace tw
