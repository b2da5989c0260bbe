#include "files/text_encoding.h"

#include <gtest/gtest.h>

#include <utility>

#include "doubles/golden.h"
#include "files/file_io.h"

namespace tw {
namespace {

struct Case {
  std::string utf8;
  std::string cp1252;
};

TEST(TextEncoding, ConvertsBothWays) {
  const Case cases[] = {
      {"plain.twc", "plain.twc"},
      {"\xC3\x9C"
       "bersicht/45\xC2\xB0.twc",
       "\xDC"
       "bersicht/45\xB0.twc"},
      {"\xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D", "\x80 \x93q\x94"},
      {"\xC2\x81", "\x81"},  // a byte the code page leaves unassigned
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.cp1252, Utf8ToCp1252(c.utf8)) << c.utf8;
    EXPECT_EQ(c.utf8, Cp1252ToUtf8(c.cp1252)) << c.utf8;
  }
  EXPECT_EQ("a?b", Utf8ToCp1252("a\xE2\x88\x9A"
                                "b"));  // no square root sign in the code page
  EXPECT_EQ("\xB0 bad", Utf8ToCp1252("\xB0 bad")) << "not UTF-8: left as it is";
}

// Mended fault: the UTF-8 reader took overlong forms and surrogates as characters.
TEST(TextEncoding, FindsTheFirstCharacterTheCodePageLacks) {
  const std::pair<std::string, size_t> cases[] = {
      {"\xC2\xB0?\xE2\x82\xAC\xC2\x81", std::string::npos},
      {"x\xE2\x88\x9A", 1},     // no square root sign in the code page
      {"ab\xE0\x80\xAF", 2},    // "/" spelt in three bytes
      {"\xF0\x80\x82\xB0", 0},  // the degree sign spelt in four
      {"\xC0\xAF", 0},
      {"\xED\xA0\x80", 0},      // a surrogate
      {"\xF4\x90\x80\x80", 0},  // past U+10FFFF
      {"\xC2", 0},
  };
  for (const auto& [utf8, at] : cases)
    EXPECT_EQ(at, FirstNonCp1252(utf8)) << utf8;
  EXPECT_EQ("\xE0\x80\xAF", Utf8ToCp1252("\xE0\x80\xAF")) << "not UTF-8: left as it is";
}

// A file name decoded for a PDF's title: any script, a pair of surrogates past
// U+FFFF, and U+FFFD for each byte that starts no character, as a file
// name's decoding gives.
TEST(TextEncoding, DecodesFileNamesToUtf16) {
  const std::pair<std::string, std::u16string> cases[] = {
      {"\xE5\x9C\xB0\xE5\x9B\xB3 plot \xC3\xA9.twc", u"\u5730\u56F3 plot \u00E9.twc"},
      {"\xF0\x9F\x97\xBA", u"\U0001F5FA"},
      {"a\xE9"
       "b",
       u"a\uFFFDb"},                            // Latin-1, not UTF-8
      {"\xE2\x82x", u"\uFFFD\uFFFDx"},          // cut short
      {"\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},  // a surrogate
  };
  for (const auto& [utf8, utf16] : cases)
    EXPECT_EQ(Utf8ToUtf16(utf8), utf16) << utf8;
}

// A file name in UTF-8 reaches the message in the message's Windows-1252.
TEST(TextEncoding, FileMessagesNameTheFileInWindows1252) {
  test::ScratchFolder folder;
  const Result<std::string> missing =
      ReadFileBytes(folder.File("M\xC3\xA4"
                                "rz.twc"));
  ASSERT_FALSE(missing);
  EXPECT_NE(std::string::npos, missing.error().find("/M\xE4rz.twc\""));
}

}  // namespace
}  // namespace tw
