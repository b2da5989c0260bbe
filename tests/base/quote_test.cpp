#include "base/quote.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

// A 50 MB line once made a 105 MB message: quotes stop at 80 bytes.
TEST(Quote, CutsAt80BytesAndShowsControlBytes) {
  const std::string x79(79, 'x');
  const std::string x80(80, 'x');
  struct Case {
    std::string expected;
    std::string text;
  };
  const Case cases[] = {
      {"", ""},
      {"NE 45\xB0"
       "30'15'' @1LF",
       "NE 45\xB0"
       "30'15'' @1LF"},  // 0xB0 is text
      {x80, x80},
      {x80 + "...", x80 + "y"},
      {x80 + "...", std::string(1'000'000, 'x')},
      {"a\\x09b\\x0D\\x00\\x7F\\x1F ", std::string("a\tb\r\0\x7F\x1F ", 8)},
      {x79 + "\\x0A...", x79 + "\n\n"},  // an escape counts as one byte
      {x79 + "\\x0A", x79 + "\n"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.expected, QuoteForMessage(c.text)) << c.text.substr(0, 100);
}

}  // namespace
}  // namespace tw
