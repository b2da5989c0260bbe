// What quadrell-batch says of hostile projects: each case a file, a command
// on it, and what stdout (on success) or stderr holds.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "batch/batch.h"
#include "closure/adjustment.h"
#include "doubles/cp1252.h"
#include "doubles/golden.h"

namespace tw {
namespace {

// A Surveyor project in feet of the entries, written readably.
std::string Project(const std::vector<std::string>& entries) {
  std::string bytes = ":1.1.2\r\n:0,0,LF,Surveyor\r\n";
  for (const std::string& e : entries)
    bytes += test::Cp1252(e) + "\r\n";
  return bytes;
}

// Sides of 5e99 to 9e99 ft, each readable, whose second corner lies 1.7e100 east.
const std::string kFarCorner = Project({"NE 80°00'00'' @9e99LF", "SE 80°00'00'' @9e99LF",
                                        "NW 80°00'00'' @9e99LF", "SW 80°00'00'' @8e99LF"});

TEST(BatchMessages, HostileProjects) {
  struct Case {
    std::string file;
    const char* command;  // words apart, the path follows
    int exit_code;
    const char* said;
    const char* name = "t.twc";  // the file's
  };
  const Case cases[] = {
      // Fault: bytes that are not UTF-8 were called "not a Windows-1252 character".
      {"\xEF\xBB\xBF:1.1.2\r\n:0,0,LF,Surveyor\r\nNE 10\xFF", "report", 1,
       "line 3 cannot be read (not UTF-8)"},
      // Fault: a line of no length showed due north, not the bearing entered,
      // and Crandall called the lines "all parallel" without naming it.
      {Project({"NE 90°00'00'' @10LF", "NW 00°00'00'' @10LF", "SE 30°00'00'' @0LF",
                "SW 90°00'00'' @10LF", "SE 00°00'00'' @9.9LF"}),
       "closure --adjust compass", 0,
       "Line 3: S 30°00'00.0\" E 0.0000 -> S 30°00'00.0\" E 0.0000 (lat 0.0000, dep 0.0000)"},
      {Project({"NE 45°00'00'' @100LF", "SW 45°00'00'' @99LF", "NE 10°00'00'' @0LF"}),
       "adjust crandall", 1,
       "Crandall: cannot adjust: line 3 has no length, and the lines that have one are all "
       "parallel"},
      {Project({"NE 12°00'00'' @0LF", "SE 30°00'00'' @0LF"}), "adjust crandall", 1,
       "Crandall: cannot adjust: no line has a length"},
      // Fault: a file name that is not UTF-8 was echoed as raw bytes.
      {Project({"NE 12°00'00'' @10LF"}), "closure", 0, "Closure of \xC3\xBF\xC3\xA9.twc\n",
       "\xFF\xE9.twc"},
      // Fault: a corner at 1.8e100 was written into the adjusted project as 0.
      {kFarCorner, "adjust compass", 1,
       "Compass: cannot adjust: corner 2 would lie beyond the largest coordinate"},
      {kFarCorner, "closure --adjust transit", 1, "Transit: cannot adjust: corner 2 would lie"},
      // Fault: the trial "distance x 10" of 9e99 was offered as "@0LF".
      {Project({"NE 45°00'00'' @9e99LF", "NE 00°00'00'' @1LF", "SE 00°00'00'' @1LF"}), "closure", 0,
       "Blunders: no single-entry fix found"},
      // Fault: Crandall met the standard here by turning the short leg round.
      {Project({"SE 90°00'00'' @1000LF", "NW 90°00'10'' @1000LF", "SW 00°00'00'' @0.01LF"}),
       "adjust crandall", 1,
       "Crandall: cannot adjust: the correction would leave line 3 a length of 0 or less"},
      // Fault: lines 30 degrees apart, one 9e99 times the other, were "all parallel".
      {Project({"NE 30°00'00'' @9e99LF", "NE 60°00'00'' @1LF"}), "adjust crandall", 1,
       "Crandall: cannot adjust: the system is too ill-conditioned to solve"},
  };
  test::ScratchFolder folder;
  for (const Case& c : cases) {
    const std::string path = folder.File(c.name);
    test::WriteBytes(path, c.file);
    std::vector<std::string> args;
    std::istringstream words(c.command);
    for (std::string word; words >> word;)
      args.push_back(word);
    args.push_back(path);
    const BatchResult result = RunBatch(args);
    SCOPED_TRACE(c.said);
    EXPECT_EQ(c.exit_code, result.exit_code);
    const std::string& said = c.exit_code == 0 ? result.out : result.err;
    EXPECT_NE(std::string::npos, said.find(c.said)) << said;
  }
}

// Every adjustment is named where a user looks for it: the usage and the
// help give its key, the help its title, and the key reads back as it.
TEST(BatchMessages, EveryMethodIsNamed) {
  const std::string usage = BatchUsage();
  const std::string help = test::ReadBytes(TW_HELP_FILE);
  for (const AdjustMethodRow& row : AdjustMethods()) {
    const std::string key(row.key);
    SCOPED_TRACE(key);
    EXPECT_NE(usage.find(key), std::string::npos);
    EXPECT_NE(help.find("<code>" + key + "</code>"), std::string::npos);
    EXPECT_NE(help.find(row.title), std::string::npos);
    EXPECT_EQ(MethodFromName(row.key), row.method);
    EXPECT_EQ(MethodName(row.method), row.key);
  }
}

}  // namespace
}  // namespace tw
