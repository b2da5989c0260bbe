#include <gtest/gtest.h>

#include "formats/dxf_file.h"
#include "formats/point_file.h"

namespace tw {
namespace {

TEST(Exports, BearingCornersStartFromTheFirstPoint) {
  ProgramState state;
  state.FirstPointX = 100;
  state.FirstPointY = -0.5;
  const std::vector<std::string> entries = {
      "NE 90\xB0"
      "00'00'' @10LF"};
  const Result<std::string> points = PointFileBytes(entries, state);
  ASSERT_TRUE(points);
  EXPECT_EQ(" 1,-.5, 110\r\n", *points);
  const Result<std::string> dxf = DxfFileBytes(entries, state);
  ASSERT_TRUE(dxf);
  EXPECT_NE(std::string::npos, dxf->find(" 10 \r\n 100 \r\n 20 \r\n-.5 \r\n 30 \r\n 0 \r\n"
                                         " 11 \r\n 110 \r\n 21 \r\n-.5 \r\n"));
}

struct MismatchCase {
  const char* mode;
  std::vector<std::string> entries;
  const char* message;
};

// A hand-edited project file can name a mode its entries contradict.
TEST(Exports, StopAtAnEntryTheModeCannotRead) {
  const MismatchCase cases[] = {
      {"Point",
       {"1 , 2",
        "NE 90\xB0"
        "00'00'' @10LF"},
       "Entry 2 cannot be read (the point entry has no \" , \"): NE 90\xB0"
       "00'00'' @10LF"},
      {"Surveyor",
       {"1520.25 , 880.5"},
       "Entry 1 cannot be read (the bearing entry is too short): 1520.25 , 880.5"},
      {"point", {"1 , 2"}, "Entry 1 cannot be read (the bearing entry is too short): 1 , 2"},
  };
  for (const MismatchCase& c : cases) {
    ProgramState state;
    state.EntryMode = c.mode;
    const Result<std::string> points = PointFileBytes(c.entries, state);
    ASSERT_FALSE(points) << c.mode;
    EXPECT_EQ(c.message, points.error());
    const Result<std::string> dxf = DxfFileBytes(c.entries, state);
    ASSERT_FALSE(dxf) << c.mode;
    EXPECT_EQ(c.message, dxf.error());
  }
}

}  // namespace
}  // namespace tw
