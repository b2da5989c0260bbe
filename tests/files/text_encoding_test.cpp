#include "files/text_encoding.h"

#include <gtest/gtest.h>

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
