// The Qt-free rules behind recent files, the [RECENT] section, the recovery
// throttle and its lock.
#include <gtest/gtest.h>
#include <unistd.h>

#include "doubles/golden.h"
#include "session/recent_files.h"
#include "session/recovery.h"
#include "settings/recent_section.h"

namespace tw {
namespace {

TEST(RecentSection, PathsRoundTripByteForByteAndOtherLinesStay) {
  // Blanks at both ends, "=", quotes, ";" and UTF-8, far past 254 bytes.
  const std::string long_path = "  /home/ana/Vermessung \xC3\xBC=\"" + std::string(300, 'x') +
                                "\" ; Gr\xC3\xB6\xC3\x9F" + "e.twc  ";
  const std::vector<std::string> paths = {long_path, "/b&c.twc", "/a.twc"};
  const std::string before =
      "[SETTINGS]\r\nMODE=Point\r\n; note\n[recent]\r\nFile1=/old1\r\n"
      "File2=/old2\r\n; kept\r\nFile7=/old7\r\n[UNITS]\rUNIT=LF";
  const std::string after = WriteRecentSection(before, paths);
  EXPECT_EQ(paths, ReadRecentSection(after));
  EXPECT_EQ("[SETTINGS]\r\nMODE=Point\r\n; note\n[RECENT]\r\nFile1=" + long_path +
                "\r\nFile2=/b&c.twc\r\nFile3=/a.twc\r\n; kept\r\n[UNITS]\rUNIT=LF",
            after);
  // Fewer paths: the unused keys go; none: only the header stays.
  EXPECT_EQ(std::vector<std::string>{"/a.twc"},
            ReadRecentSection(WriteRecentSection(after, {"/a.twc"})));
  EXPECT_EQ(std::string::npos, WriteRecentSection(after, {}).find("File"));
  // A file without the section gets it at the end, after a line ending.
  EXPECT_EQ("[A]\r\nK=1\r\n[RECENT]\r\nFile1=/a.twc\r\n",
            WriteRecentSection("[A]\r\nK=1", {"/a.twc"}));
  EXPECT_EQ("[A]\r\n", WriteRecentSection("[A]\r\n", {}));
}

TEST(RecentSection, FileKeepsTheListAcrossLoads) {
  test::ScratchFolder folder;
  const std::string ini = folder.File("Quadrell.ini");
  EXPECT_TRUE(LoadRecentFiles(ini).empty());
  ASSERT_TRUE(SaveRecentFiles(ini, {"/x y/\xC3\xA9.twc "}));
  EXPECT_EQ(std::vector<std::string>{"/x y/\xC3\xA9.twc "}, LoadRecentFiles(ini));
}

TEST(RecentFiles, NewestFirstWithoutRepeatsAtMostEight) {
  std::vector<std::string> recent;
  for (const char* path : {"/1", "/2", "/3", "/4", "/5", "/6", "/7", "/8", "/9", "/3"})
    recent = RememberFile(recent, path);
  EXPECT_EQ((std::vector<std::string>{"/3", "/9", "/8", "/7", "/6", "/5", "/4", "/2"}), recent);
  for (const char* unkeepable : {"/a\rb.twc", "/a\nb.twc", ""})
    EXPECT_EQ(recent, RememberFile(recent, unkeepable)) << unkeepable;
  EXPECT_EQ("R&&D && co.twc", RecentMenuText("/x&y/R&D & co.twc"));
}

TEST(RecoveryThrottle, AtMostOneWriteEveryTwoSeconds) {
  using std::chrono::milliseconds;
  const RecoveryThrottle::Clock::time_point t0{};
  RecoveryThrottle throttle;
  EXPECT_EQ(milliseconds(0), throttle.DelayAt(t0));
  throttle.WroteAt(t0);
  const struct {
    int at_ms;
    int delay_ms;
  } cases[] = {{0, 2000}, {1500, 500}, {1999, 1}, {2000, 0}, {9000, 0}};
  for (const auto& c : cases)
    EXPECT_EQ(milliseconds(c.delay_ms), throttle.DelayAt(t0 + milliseconds(c.at_ms))) << c.at_ms;
}

TEST(RecoveryLock, ASecondRunningCopyIsKeptOut) {
  test::ScratchFolder folder;
  const std::string lock = RecoveryLockPath(folder.path().string());
  const long other = 4242;
  const auto running = [other](long pid) { return pid == other; };
  test::WriteBytes(lock, "4242\n");
  EXPECT_FALSE(TakeRecoveryLock(lock, 100, running));
  EXPECT_EQ("4242\n", test::ReadBytes(lock));
  ReleaseRecoveryLock(lock, 100);  // not ours: stays
  EXPECT_EQ("4242\n", test::ReadBytes(lock));
  // A copy that ended left its lock: taken over, and given back at the end.
  EXPECT_TRUE(TakeRecoveryLock(lock, 100, [](long) { return false; }));
  EXPECT_EQ("100\n", test::ReadBytes(lock));
  ReleaseRecoveryLock(lock, 100);
  EXPECT_TRUE(test::ReadBytes(lock).empty());
  EXPECT_TRUE(IsProcessRunning(getpid()));
}

}  // namespace
}  // namespace tw
