#include "formats/text_lines.h"

#include <gtest/gtest.h>

#include <utility>

#include "base/text.h"

namespace tw {
namespace {

struct SplitCase {
  const char* bytes;
  std::vector<std::string_view> lines;
};

TEST(SplitLines, AcceptsEveryLineEnd) {
  const SplitCase cases[] = {
      {"", {}},
      {"a", {"a"}},
      {"a\r\n", {"a"}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\rb\nc", {"a", "b", "c"}},
      {"\r\n", {""}},
      {"a\r\n\r\nb", {"a", "", "b"}},
      // A lone LF after a CR LF is a line of its own, as is a CR before it.
      {"a\n\r\nb", {"a", "", "b"}},
      {"a\r\rb", {"a", "", "b"}},
      {"a\n\rb", {"a", "", "b"}},
      {"a\r", {"a"}},
      {"a\r\r\n", {"a", ""}},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(c.lines, SplitLines(c.bytes)) << c.bytes;
    // Counting without splitting, as the readers make room, agrees.
    EXPECT_EQ(c.lines.size(), LineCount(c.bytes)) << c.bytes;
  }
}

// The batch text, the plat and the copied closure text name a project so.
TEST(FileNameOf, DropsTheFolders) {
  const std::pair<const char*, const char*> cases[] = {
      {"/home/a/lot 7.twc", "lot 7.twc"},
      {"lot.twc", "lot.twc"},
      {"./lot.twc", "lot.twc"},
      {"/lot.twc", "lot.twc"},
      {"/home/a/", ""},
      {"", ""},
      {"a\\b.twc", "a\\b.twc"},
  };
  for (const auto& [path, name] : cases)
    EXPECT_EQ(name, FileNameOf(path)) << path;
}

}  // namespace
}  // namespace tw
