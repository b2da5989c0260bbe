// The Qt-free rules behind recent files, the [RECENT] section, the recovery
// throttle and the files named at start or dropped.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <utility>
#include "doubles/golden.h"
#include "session/file_arguments.h"
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

TEST(RecentFiles, OnlyAbsolutePathsAreKeptAndNamesFitTheMenu) {
  const std::string long_name = std::string(100000, 'a') + "\xc3\xa9nd.twc";
  const std::vector<std::string> read = {"",         "plot.twc", "/a/1.twc", "/a/2.twc",
                                         "/a/3.twc", "/a/4.twc", "/a/5.twc", "/a/6.twc",
                                         "/a/7.twc", "/a/8.twc", "/a/9.twc"};
  EXPECT_EQ(std::vector<std::string>(read.begin() + 2, read.end() - 1), UsableRecentFiles(read));

  const struct {
    std::string path;
    std::string shown;
  } names[] = {
      {"/x/tab\there.twc", "tab here.twc"},
      {"/x/" + long_name, std::string(28, 'a') + "..." + "aaaaaaaaaaaaaaaaaaaaa\xc3\xa9nd.twc"},
      {"/x/" + std::string(60, 'b'), std::string(60, 'b')},
  };
  for (const auto& n : names)
    EXPECT_EQ(n.shown, RecentMenuText(n.path)) << n.path.size();

  const std::string here = std::filesystem::current_path().string();
  EXPECT_EQ(here + "/a.twc", AbsolutePath("a.twc"));
  EXPECT_EQ(here + "/b.twc", AbsolutePath("./x/../b.twc"));
  EXPECT_EQ("/p/q.twc", AbsolutePath("/p//r/../q.twc"));
}

// A dropped or named file opens as a project by its ending in any case;
// anything else is imported as points.
TEST(FileArguments, ProjectFilesByTheirEndingInAnyCase) {
  const std::pair<const char*, bool> cases[] = {
      {"/p/a.twc", true}, {"a.TWC", true},     {"a.Twc", true},      {"a.tWc", true},
      {".twc", true},     {"twc", false},      {"a.twc.txt", false}, {"a.twc ", false},
      {"a.tw", false},    {"/p.twc/a", false}, {"a.asc", false},     {"", false},
  };
  for (const auto& [path, project] : cases)
    EXPECT_EQ(project, IsProjectFileName(path)) << path;
}

}  // namespace
}  // namespace tw
