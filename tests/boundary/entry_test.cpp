#include "boundary/entry.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(Entry, ReadsBearingByFixedPositions) {
  struct Case {
    const char* entry;
    const char* quadrant;
    double degrees, minutes, seconds;
    const char* distance;
    double length;
  };
  const Case cases[] = {
      {"NE 45°30'15'' @100.5LF", "NE", 45, 30, 15, "100.5", 100.5},
      // A long distance runs to just before the two unit characters.
      {"SW 89°59'59'' @98765.4321m.", "SW", 89, 59, 59, "98765.4321", 98765.4321},
      // Carpenter distances carry a leading blank or "-".
      {"SE 00°00'00'' @ 12.5LF", "SE", 0, 0, 0, " 12.5", 12.5},
      {"SE 00°00'00'' @-3LF", "SE", 0, 0, 0, "-3", -3},
      {"NE 00°00'00'' @1.6E-13LF", "NE", 0, 0, 0, "1.6E-13", 1.6e-13},
      // The separators are not read.
      {"NE#07x08y09zzzz42??", "NE", 7, 8, 9, "42", 42},
      // A field of two characters with a blank still converts.
      {"NE  5° 0'00'' @12LF", "NE", 5, 0, 0, "12", 12},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    const Result<BearingFields> f = ReadBearingEntry(Cp1252(c.entry));
    ASSERT_TRUE(f) << f.error();
    EXPECT_EQ(c.quadrant, f->quadrant);
    EXPECT_EQ(c.degrees, f->degrees);
    EXPECT_EQ(c.minutes, f->minutes);
    EXPECT_EQ(c.seconds, f->seconds);
    EXPECT_EQ(c.distance, f->distance);
    EXPECT_EQ(c.length, f->length);
  }
}

TEST(Entry, RefusesUnreadableBearing) {
  struct Case {
    const char* entry;
    const char* names;  // what the error names
  };
  const Case cases[] = {
      {"", "too short"},
      {"NE 05°00'00'' @", "too short"},
      {"NE 05°00'00'' @LF", "distance"},
      // A field that is not two characters shifts everything after it.
      {"NE 5°00'00'' @12LF", "degrees"},
      {"NE 100°00'00'' @12LF", "minutes"},
      {"NE 05°00'7.5'' @12LF", "distance"},  // seconds "7." read, "@12" is not
      {"NE 05°00'x0'' @12LF", "seconds"},
      {"NE +5°00'00'' @12LF", "degrees"},
      {"NE 05°00'00'' @12,5LF", "distance"},
      {"NE 05°00'00'' @infLF", "distance"},
      {"NE 05°00'00'' @1e100LF", "distance"},
      {"-15 , 20", "too short"},
  };
  for (const Case& c : cases) {
    const Result<BearingFields> f = ReadBearingEntry(Cp1252(c.entry));
    ASSERT_FALSE(f) << c.entry;
    EXPECT_NE(std::string::npos, f.error().find(c.names)) << c.entry << ": " << f.error();
  }
}

TEST(Entry, ReadsPointBySplitting) {
  struct Case {
    const char* entry;
    double x, y;
  };
  const Case cases[] = {
      {"1520.25 , 880.5", 1520.25, 880.5},
      {"-15 , 20", -15, 20},
      {"-.25 , 1.6E-13", -0.25, 1.6e-13},
      {"  3 , 4  ", 3, 4},
      // Pieces after the second are not read.
      {"1 , 2 , 3", 1, 2},
  };
  for (const Case& c : cases) {
    const Result<PointFields> p = ReadPointEntry(c.entry);
    ASSERT_TRUE(p) << c.entry << ": " << p.error();
    EXPECT_EQ(c.x, p->x) << c.entry;
    EXPECT_EQ(c.y, p->y) << c.entry;
  }
}

TEST(Entry, RefusesUnreadablePoint) {
  struct Case {
    const char* entry;
    const char* names;
  };
  const Case cases[] = {
      {"1,2", "\" , \""},  {"1, 2", "\" , \""}, {"a , 2", "X"},
      {" , 5", "X"},       {"1 , ", "Y"},       {"1 ,  , 2", "Y"},
      {"0 , -1e100", "Y"}, {"inf , 0", "X"},    {"NE 05°00'00'' @12LF", "\" , \""},
  };
  for (const Case& c : cases) {
    const Result<PointFields> p = ReadPointEntry(Cp1252(c.entry));
    ASSERT_FALSE(p) << c.entry;
    EXPECT_NE(std::string::npos, p.error().find(c.names)) << c.entry << ": " << p.error();
  }
}

TEST(Entry, UnreadableMessageNamesEntryFromOne) {
  EXPECT_EQ("Entry 3 cannot be read (the X \"a\" is not a number): a , 2",
            UnreadableEntryMessage(2, "a , 2", "the X \"a\" is not a number"));
}

}  // namespace
}  // namespace tw
