#include "program/log.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace tw {
namespace {

// Keeps every piece the sink was given, to show that nothing is rewritten.
class PieceLog : public LogSink {
 public:
  void Append(std::string_view text) override { pieces.emplace_back(text); }
  std::vector<std::string> pieces;
};

TEST(Log, AppendLogSeparators) {
  struct Case {
    const char* expected;
    std::vector<std::pair<const char*, bool>> messages;  // message, line break
  };
  const Case cases[] = {
      // An empty log still gets the separator first.
      {"\r\nCleared", {{"Cleared", true}}},
      {" Area: 50.00", {{"Area: 50.00", false}}},
      {"\r\nClosure: 14.1421356 Area: 50.00",
       {{"Closure: 14.1421356", true}, {"Area: 50.00", false}}},
      {"\r\nCleared\r\nLine Removed", {{"Cleared", true}, {"Line Removed", true}}},
  };
  for (const Case& c : cases) {
    StringLog log;
    PieceLog pieces;
    for (const auto& [message, line_break] : c.messages) {
      AppendLog(log, message, line_break);
      AppendLog(pieces, message, line_break);
    }
    EXPECT_EQ(c.expected, log.Text());
    // One append per message, each only separator and message.
    ASSERT_EQ(c.messages.size(), pieces.pieces.size());
    for (size_t i = 0; i < c.messages.size(); ++i) {
      EXPECT_EQ(std::string(c.messages[i].second ? "\r\n" : " ") + c.messages[i].first,
                pieces.pieces[i]);
    }
  }
}

}  // namespace
}  // namespace tw
