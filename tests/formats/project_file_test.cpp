#include "formats/project_file.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

const std::string kBearing =
    "NE 45\xB0"
    "30'15'' @100.5LF";

TEST(ProjectFileBytes, WritesTheHeaderValuesAndEveryEntryUnchanged) {
  ProgramState state;
  state.FirstPointX = -0.25;
  state.FirstPointY = 1234.5;
  state.UnitAbbrev = "m.";
  state.EntryMode = "Carpenter";
  EXPECT_EQ(":1.1.2\r\n:-0.25,1234.5,m.,Carpenter\r\n" + kBearing + "\r\n",
            ProjectFileBytes(state, {kBearing}));
}

struct AcceptCase {
  const char* what;
  std::string bytes;
  bool header;
  double x, y;
  const char* unit;
  const char* mode;
  std::vector<std::string> entries;
};

TEST(ParseProjectFile, AcceptsWhatOpeningTakes) {
  // clang-format off
  const AcceptCase cases[] = {
      {"extra fields ignored", ":1.1.2\r\n:12.5,-3,m.,Point,extra\r\n1 , 2\r\n",
       true, 12.5, -3, "m.", "Point", {"1 , 2"}},
      {"blank lines skipped", ":1.1.2\r\n:0,0,LF,Point\r\n\r\n1 , 2\r\n\r\n3 , 4\r\n",
       true, 0, 0, "LF", "Point", {"1 , 2", "3 , 4"}},
      {"no header: line 1 dropped", "1 , 2\r\n3 , 4\r\n5 , 6\r\n",
       false, 0, 0, "", "", {"3 , 4", "5 , 6"}},
      {"unknown mode and unit as written", ":1.1.2\r\n:0,0,xyz,point\r\n",
       true, 0, 0, "xyz", "point", {}},
      {"blanks around the numbers", ":1.1.2\r\n: 7 , -2.5e1 ,LF,Point\r\n",
       true, 7, -25, "LF", "Point", {}},
      {"line 2's first character is not looked at", ":1.1.2\r\nX1,2,LF,Point\r\n",
       true, 1, 2, "LF", "Point", {}},
      {"lone LF and lone CR", ":1.1.2\n:0,0,LF,Point\r1 , 2\n3 , 4",
       true, 0, 0, "LF", "Point", {"1 , 2", "3 , 4"}},
      {"version is not checked", ":9\r\n:0,0,LF,Surveyor\r\n" + kBearing,
       true, 0, 0, "LF", "Surveyor", {kBearing}},
      {"only a line without \":\"", "hello\r\n", false, 0, 0, "", "", {}},
      // Mended fault: a file starting with the UTF-8 byte-order mark lost its first line.
      {"UTF-8 after the mark", "\xEF\xBB\xBF:1.1.2\r\n:0,0,LF,Surveyor\r\nNE 45\xC2\xB0"
       "30'15'' @100.5LF\r\n", true, 0, 0, "LF", "Surveyor", {kBearing}}};
  // clang-format on
  for (const AcceptCase& c : cases) {
    const Result<ProjectFile> file = ParseProjectFile(c.bytes);
    ASSERT_TRUE(file) << c.what << ": " << file.error();
    EXPECT_EQ(c.entries, file->entries) << c.what;
    ASSERT_EQ(c.header, file->header.has_value()) << c.what;
    if (!c.header)
      continue;
    EXPECT_EQ(c.x, file->header->FirstPointX) << c.what;
    EXPECT_EQ(c.y, file->header->FirstPointY) << c.what;
    EXPECT_EQ(c.unit, file->header->UnitAbbrev) << c.what;
    EXPECT_EQ(c.mode, file->header->EntryMode) << c.what;
  }
}

TEST(ProjectFileBytes, ALocationFollowsTheHeaderAndReadsBack) {
  ProgramState state;
  state.location = Location{2248, 500123.25, 1300456.5, -0.208333, 0.99995};
  const std::string bytes = ProjectFileBytes(state, {kBearing});
  EXPECT_EQ(
      ":1.1.2\r\n:0,0,LF,Surveyor\r\n:LOCATION,EPSG:2248,500123.25,1300456.5,-0.208333,"
      "0.99995\r\n" +
          kBearing + "\r\n",
      bytes);
  const Result<ProjectFile> file = ParseProjectFile(bytes);
  ASSERT_TRUE(file) << file.error();
  EXPECT_EQ(state.location, file->header->location);
  EXPECT_EQ(EntryTexts{kBearing}, file->entries);
}

struct RejectCase {
  std::string bytes;
  std::string reason;
};

TEST(ParseProjectFile, RejectsADamagedFileNamingTheLine) {
  const RejectCase cases[] = {
      {"", "the file is empty"},
      {":1.1.2\r\n", "line 1 starts with \":\" but there is no line 2"},
      {":1.1.2", "line 1 starts with \":\" but there is no line 2"},
      {":1.1.2\r\n\r\n", "line 2 has fewer than four fields"},
      {":1.1.2\r\n:0,0,LF\r\n", "line 2 has fewer than four fields"},
      {":1.1.2\r\n:a,0,LF,Point\r\n", "line 2: field 1 \"a\" is not a number"},
      {":1.1.2\r\n:0,,LF,Point\r\n", "line 2: field 2 \"\" is not a number"},
      {":1.1.2\r\n:0,1e100,LF,Point\r\n", "line 2: field 2 \"1e100\" is not a number"},
      {":1.1.2\r\n:0,0,LF,Surveyor\r\nNE 45\r\n",
       "line 3 cannot be read (the bearing entry is too short): NE 45"},
      {":1.1.2\r\n:0,0,LF,Surveyor\r\n" + kBearing +
           "\r\n\r\nNE 4x\xB0"
           "30'15'' @1LF\r\n",
       "line 5 cannot be read (the degrees \"4x\" is not a number): NE 4x\xB0"
       "30'15'' @1LF"},
      {":1.1.2\r\n:0,0,LF,Surveyor\r\nNE 45\xB0"
       "30'15'' @1.2.3LF\r\n",
       "line 3 cannot be read (the distance \"1.2.3\" is not a number): NE 45\xB0"
       "30'15'' @1.2.3LF"},
      {":1.1.2\r\n:0,0,LF,Point\r\n1 , 2\r\n3,4\r\n",
       "line 4 cannot be read (the point entry has no \" , \"): 3,4"},
      {":1.1.2\r\n:0,0,LF,Point\r\n1 , y\r\n",
       "line 3 cannot be read (the Y \"y\" is not a number): 1 , y"},
      // Fault: a 50 MB line was quoted whole, twice.
      {":1.1.2\r\n:0,0,LF,Point\r\n1 , " + std::string(1'000'000, 'y') + "\r\n",
       "line 3 cannot be read (the Y \"" + std::string(80, 'y') + "...\" is not a number): 1 , " +
           std::string(76, 'y') + "..."},
      // Bearing and point entries mixed: the kind of the first entry decides.
      {":1.1.2\r\n:0,0,LF,Point\r\n1 , 2\r\n" + kBearing + "\r\n",
       "line 4 cannot be read (the point entry has no \" , \"): " + kBearing},
      {":1.1.2\r\n:0,0,LF,Surveyor\r\n" + kBearing + "\r\n1 , 2\r\n",
       "line 4 cannot be read (the bearing entry is too short): 1 , 2"},
      {"\xEF\xBB\xBF:1.1.2\r\n:0,0,LF,Point\r\n1 , 2\r\n\r\n3 , \xE2\x88\x9A\r\n",
       "line 5 cannot be read (not a Windows-1252 character)"},
      {"\xEF\xBB\xBF", "the file is empty"},
      {":1.1.2\r\n:0,0,LF,Point\r\n:LOCATION,EPSG:2248,1,2,0\r\n",
       "line 3: the location has 5 fields, not 6"},
      {":1.1.2\r\n:0,0,LF,Point\r\n:LOCATION,EPSG:2248,1,2,0,-1\r\n1 , 2\r\n",
       "line 3: the scale factor is not above 0"},
      // Only line 3 may place the boundary: anywhere else it is no entry.
      {":1.1.2\r\n:0,0,LF,Point\r\n1 , 2\r\n:LOCATION,WGS84,1,2,0,1\r\n",
       "line 4 cannot be read (the point entry has no \" , \"): :LOCATION,WGS84,1,2,0,1"},
  };
  for (const RejectCase& c : cases) {
    const Result<ProjectFile> file = ParseProjectFile(c.bytes);
    ASSERT_FALSE(file) << c.bytes;
    EXPECT_EQ(c.reason, file.error());
  }
}

}  // namespace
}  // namespace tw
