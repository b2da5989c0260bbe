#include "about/sys_info.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "doubles/fakes.h"

namespace tw {
namespace {

const std::vector<std::string> kAllPrograms(kSysInfoPrograms.begin(), kSysInfoPrograms.end());

struct Case {
  const char* what;
  std::vector<std::string> on_path;
  bool start_succeeds;
  std::vector<std::string> expected_looked_up;
  std::vector<std::string> expected_started;
  bool expected_message;
};

TEST(StartSysInfo, LooksUpInOrderAndStartsTheFirstFound) {
  const std::string first = kAllPrograms[0];
  const std::string last = kAllPrograms.back();
  const Case cases[] = {
      {"first on the list found", {last, first}, true, {first}, {"/usr/bin/" + first}, false},
      {"only the last found", {last}, true, kAllPrograms, {"/usr/bin/" + last}, false},
      {"none found", {}, true, kAllPrograms, {}, true},
      // A failed start ends in the message; the next program is not tried.
      {"found but fails to start", {first, last}, false, {first}, {"/usr/bin/" + first}, true},
      {"unknown programs only", {"top"}, true, kAllPrograms, {}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    test::FakeLauncher launcher;
    launcher.on_path = c.on_path;
    launcher.start_succeeds = c.start_succeeds;
    test::RecordingMessageBox messages;

    StartSysInfo(launcher, messages);

    EXPECT_EQ(c.expected_looked_up, launcher.looked_up);
    EXPECT_EQ(c.expected_started, launcher.started);
    ASSERT_EQ(c.expected_message ? 1u : 0u, messages.shown.size());
    if (c.expected_message) {
      EXPECT_EQ("System Information Is Unavailable At This Time", messages.shown[0].text);
      EXPECT_EQ("Quadrell", messages.shown[0].title);
      EXPECT_EQ(MessageIcon::None, messages.shown[0].icon);
    }
  }
}

}  // namespace
}  // namespace tw
