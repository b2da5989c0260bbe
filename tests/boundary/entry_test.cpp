#include "boundary/entry.h"

#include <gtest/gtest.h>

#include <string>

#include "base/numbers.h"

#include "doubles/cp1252.h"

namespace tw {
namespace {

using test::Cp1252;

TEST(Entry, KindFromFirstByte) {
  const std::pair<const char*, EntryKind> cases[] = {
      {"NE 45°30'15'' @100LF", EntryKind::Angle},
      {"S", EntryKind::Angle},
      {"-15 , 20", EntryKind::Point},
      {"ne 45°30'15'' @100LF", EntryKind::Point},
      {" NE 45°30'15'' @100LF", EntryKind::Point},
  };
  for (const auto& [entry, kind] : cases)
    EXPECT_EQ(kind, KindOf(Cp1252(entry))) << entry;
}

// What a reading gave: the fields, or the error, which names what is wrong.
std::string Read(const std::string& entry, bool as_bearing) {
  if (as_bearing) {
    const Result<BearingFieldsView> f = ReadBearingEntryView(entry);
    return f ? std::string(f->quadrant) + " " + PlainForm(f->degrees) + " " +
                   PlainForm(f->minutes) + " " + PlainForm(f->seconds) + " @" +
                   std::string(f->distance) + "=" + PlainForm(f->length)
             : "refused: " + f.error();
  }
  const Result<PointFields> p = ReadPointEntry(entry);
  return p ? PlainForm(p->x) + " " + PlainForm(p->y) : "refused: " + p.error();
}

TEST(Entry, ReadsBearingByFixedPositions) {
  struct Case {
    const char* read;  // the fields, or what the refusal names
    const char* entry;
  };
  const Case cases[] = {
      {"NE 45 30 15 @100.5=100.5", "NE 45°30'15'' @100.5LF"},
      // A long distance runs to just before the two unit characters.
      {"SW 89 59 59 @98765.4321=98765.4321", "SW 89°59'59'' @98765.4321m."},
      // Carpenter distances carry a leading blank or "-".
      {"SE 0 0 0 @ 12.5=12.5", "SE 00°00'00'' @ 12.5LF"},
      {"SE 0 0 0 @-3=-3", "SE 00°00'00'' @-3LF"},
      {"NE 0 0 0 @1.6E-13=1.6E-13", "NE 00°00'00'' @1.6E-13LF"},
      // The separators are not read.
      {"NE 7 8 9 @42=42", "NE#07x08y09zzzz42??"},
      // A field of two characters with a blank still converts.
      {"NE 5 0 0 @12=12", "NE  5° 0'00'' @12LF"},
      {"too short", ""},
      {"too short", "NE 05°00'00'' @"},
      {"distance", "NE 05°00'00'' @LF"},
      // A field that is not two characters shifts everything after it.
      {"degrees", "NE 5°00'00'' @12LF"},
      {"minutes", "NE 100°00'00'' @12LF"},
      {"distance", "NE 05°00'7.5'' @12LF"},  // seconds "7." read, "@12" is not
      {"seconds", "NE 05°00'x0'' @12LF"},
      {"degrees", "NE +5°00'00'' @12LF"},
      {"distance", "NE 05°00'00'' @12,5LF"},
      {"distance", "NE 05°00'00'' @infLF"},
      {"distance", "NE 05°00'00'' @1e100LF"},
      {"too short", "-15 , 20"},
  };
  for (const Case& c : cases) {
    const std::string read = Read(Cp1252(c.entry), true);
    if (read.starts_with("refused: "))
      EXPECT_NE(std::string::npos, read.find(c.read)) << c.entry << ": " << read;
    else
      EXPECT_EQ(c.read, read) << c.entry;
  }
}

// The blunder trials offer only corrections of the form the boxes give.
TEST(Entry, WithinBoxLimits) {
  struct Case {
    bool within;
    double degrees, minutes, seconds;
  };
  const Case cases[] = {
      {true, 0, 0, 0},    {true, 90, 60, 60}, {false, 91, 0, 0},  {false, 0, 61, 0},
      {false, 0, 0, 61},  {false, -1, 0, 0},  {false, 0, -1, 0},  {false, 0, 0, -1},
      {false, 1.5, 0, 0}, {false, 0, 0.5, 0}, {false, 0, 0, 0.5}, {true, 45, 30, 15},
  };
  for (const Case& c : cases) {
    const BearingFieldsView f{"NE", c.degrees, c.minutes, c.seconds, "1", 1};
    EXPECT_EQ(c.within, IsWithinBoxLimits(f)) << c.degrees << " " << c.minutes << " " << c.seconds;
  }
}

TEST(Entry, ReadsPointBySplitting) {
  struct Case {
    const char* read;  // X and Y, or what the refusal names
    const char* entry;
  };
  const Case cases[] = {
      {"1520.25 880.5", "1520.25 , 880.5"},
      {"-15 20", "-15 , 20"},
      {"-0.25 1.6E-13", "-.25 , 1.6E-13"},
      {"3 4", "  3 , 4  "},
      {"1 2", "1 , 2 , x"},  // pieces after the second are not read
      {"\" , \"", "1,2"},
      {"\" , \"", "1, 2"},
      {"X", "a , 2"},
      {"X", " , 5"},
      {"Y", "1 , "},
      {"Y", "1 ,  , 2"},
      {"Y", "0 , -1e100"},
      {"X", "inf , 0"},
      {"\" , \"", "NE 05°00'00'' @12LF"},
  };
  for (const Case& c : cases) {
    const std::string read = Read(Cp1252(c.entry), false);
    if (read.starts_with("refused: "))
      EXPECT_NE(std::string::npos, read.find(c.read)) << c.entry << ": " << read;
    else
      EXPECT_EQ(c.read, read) << c.entry;
  }
}

TEST(Entry, UnreadableMessageNamesEntryFromOne) {
  EXPECT_EQ("Entry 3 cannot be read (the X \"a\" is not a number): a , 2",
            UnreadableEntryMessage(2, "a , 2", "the X \"a\" is not a number"));
}

}  // namespace
}  // namespace tw
