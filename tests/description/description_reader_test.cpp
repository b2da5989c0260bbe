#include "description/description_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tw {
namespace {

// Expected entries are written with "d" for the degree sign, which a C
// string cannot hold before digits without splitting the literal.
std::string Entry(std::string text) {
  text[5] = '\xB0';
  return text;
}

std::vector<std::string> EntriesOf(const std::vector<ReadCall>& calls) {
  std::vector<std::string> out;
  for (const ReadCall& c : calls)
    out.push_back(c.entry);
  return out;
}

struct Case {
  const char* text;
  std::vector<std::string> entries;  // "d" for the degree sign
  const char* doubt = "";            // part of the first call's doubt, if any
  const char* note = "";             // part of the first call's last note, if any
  const char* unit = "LF";
};

void Check(const Case& c) {
  SCOPED_TRACE(c.text);
  const DescriptionReading r = ReadDescription(c.text, {c.unit, 0});
  std::vector<std::string> expected;
  for (const std::string& e : c.entries)
    expected.push_back(Entry(e));
  EXPECT_EQ(EntriesOf(r.calls), expected);
  ASSERT_FALSE(r.calls.empty());
  const ReadCall& first = r.calls.front();
  if (*c.doubt == '\0') {
    EXPECT_TRUE(first.doubts.empty()) << first.doubts.front();
  } else {
    ASSERT_FALSE(first.doubts.empty());
    EXPECT_NE(first.doubts.front().find(c.doubt), std::string::npos) << first.doubts.front();
  }
  if (*c.note != '\0') {
    ASSERT_FALSE(first.notes.empty());
    EXPECT_NE(first.notes.back().find(c.note), std::string::npos) << first.notes.back();
  }
}

TEST(DescriptionReader, BearingForms) {
  const Case cases[] = {
      {"thence N 45\xB0 30' 15\" E, 100.00 feet", {"NE 45d30'15'' @100.00LF"}},
      {"thence N45\xB0"
       "30'15\"E 100.00 feet",
       {"NE 45d30'15'' @100.00LF"}},
      {"North 45 degrees 30 minutes 15 seconds East 100 feet", {"NE 45d30'15'' @100LF"}},
      {"S 12 deg. 34 min. 56 sec. W 80 ft.", {"SW 12d34'56'' @80LF"}},
      {"thence N45-30-15E 12.5 feet", {"NE 45d30'15'' @12.5LF"}},
      {"thence S 12-34'-56\" W 12.5 feet", {"SW 12d34'56'' @12.5LF"}},
      {"thence S 7\xB0 W 3 feet", {"SW 07d00'00'' @3LF"}},
      {"thence N 89\xB0"
       "59' W, 210.3 feet",
       {"NW 89d59'00'' @210.3LF"}},
      {"thence S 45\xB0"
       "30'15.6\" E 100 feet",
       {"SE 45d30'16'' @100LF"},
       "",
       "end moves 0.0002"},
      {"thence N 45.5\xB0 E 10 feet", {"NE 45d30'00'' @10LF"}},
      {"thence N 10.123456\xB0 W 1000 feet", {"NW 10d07'24'' @1000LF"}, "", "rounded"},
      {"thence due East 50 feet; thence North, 20 feet; thence South 5 feet; thence West 1 ft",
       {"NE 90d00'00'' @50LF", "NE 00d00'00'' @20LF", "SE 00d00'00'' @5LF", "NW 90d00'00'' @1LF"}},
      {"thence N 45\xB0 30'\n15\" E 100 feet", {"NE 45d30'15'' @100LF"}},
      {"thence N. 45\xB0 E. 7 feet", {"NE 45d00'00'' @7LF"}},
  };
  for (const Case& c : cases)
    Check(c);
}

TEST(DescriptionReader, DistancesAndUnits) {
  const Case cases[] = {
      {"N 1\xB0 E 100.00 ft.", {"NE 01d00'00'' @100.00LF"}},
      {"N 1\xB0 E 100.00'", {"NE 01d00'00'' @100.00LF"}},
      {"N 1\xB0 E .71 feet", {"NE 01d00'00'' @.71LF"}},
      {"N 1\xB0 E a distance of 1,234.56 feet", {"NE 01d00'00'' @1234.56LF"}},
      {"N 1\xB0 E 30.48 meters", {"NE 01d00'00'' @100LF"}, "", "international foot"},
      {"N 1\xB0 E 100 feet", {"NE 01d00'00'' @30.48m."}, "", "from 100 feet", "m."},
      {"N 1\xB0 E 12.5 m", {"NE 01d00'00'' @12.5m."}, "", "", "m."},
      {"N 1\xB0 E 3 chains 25 links", {"NE 01d00'00'' @214.5LF"}, "", "chains"},
      {"N 1\xB0 E 4 rods", {"NE 01d00'00'' @66LF"}},
      {"N 1\xB0 E 2 poles", {"NE 01d00'00'' @33LF"}},
      {"N 1\xB0 E 10 perches", {"NE 01d00'00'' @165LF"}},
      {"N 1\xB0 E 7 yards", {"NE 01d00'00'' @21LF"}},
      {"N 1\xB0 E 36 varas", {"NE 01d00'00'' @100LF"}, "", "Texas vara"},
      {"N 1\xB0 E 12 California varas", {"NE 01d00'00'' @33LF"}, "", "California vara"},
      {"N 1\xB0 E 100 feet 6 inches", {"NE 01d00'00'' @100.5LF"}},
      {"N 1\xB0 E 10' 3\"", {"NE 01d00'00'' @10.25LF"}},
      {"N 1\xB0 E 1200 US survey feet", {"NE 01d00'00'' @365.760732m."}, "", "US survey", "m."},
      {"N 1\xB0 E a distance of 50", {"NE 01d00'00'' @50LF"}, "no unit"},
      {"N 1\xB0 E along the lands now or formerly of Smith, 50 feet to an iron pin",
       {"NE 01d00'00'' @50LF"}},
  };
  for (const Case& c : cases)
    Check(c);
}

TEST(DescriptionReader, ScanDamageIsFlagged) {
  const Case cases[] = {
      {"thence N 47012'30\" E 100 feet", {"NE 47d12'30'' @100LF"}, "degree sign read as 0"},
      {"thence N 47*12'30\" E 100 feet", {"NE 47d12'30'' @100LF"}, "stray mark"},
      {"thence N 47\xA6"
       "12'30\" E 100 feet",
       {"NE 47d12'30'' @100LF"},
       "stray mark"},
      {"thence N 47'12'30\" E 100 feet", {"NE 47d12'30'' @100LF"}, "read as '"},
      {"thence N 47\xB0"
       "12'30\" E 1O0.5 feet",
       {"NE 47d12'30'' @100.5LF"},
       "letter O"},
      {"thence N 47\xB0 l2'30\" E 100 feet", {"NE 47d12'30'' @100LF"}, "letter l"},
      {"thence N 47\xB0"
       "12'30\" E 215. 40 feet",
       {"NE 47d12'30'' @215.40LF"},
       "blank inside"},
  };
  for (const Case& c : cases)
    Check(c);
}

TEST(DescriptionReader, Structure) {
  const char* text =
      "Commencing at a stone at coordinates N 1000.00, E 500.00; thence S 0\xB0 E 100 feet "
      "to an iron pin, the Point of Beginning; (1) thence N 90\xB0 E 50 feet; (2) thence "
      "continuing along the same course 25 feet; (3) thencc North 30 feet; (4) themce "
      "N 68\xB0"
      "11'55\" W 80.78 feet to the place of beginning, containing 0.043 acres, "
      "more or less.";
  const DescriptionReading r = ReadDescription(text, {});
  EXPECT_EQ(EntriesOf(r.ties), std::vector<std::string>{Entry("SE 00d00'00'' @100LF")});
  EXPECT_EQ(
      EntriesOf(r.calls),
      (std::vector<std::string>{Entry("NE 90d00'00'' @50LF"), Entry("NE 90d00'00'' @25LF"),
                                Entry("NE 00d00'00'' @30LF"), Entry("NW 68d11'55'' @80.78LF")}));
  EXPECT_DOUBLE_EQ(r.commencement.east, 500);
  EXPECT_NEAR(r.start.north, 900, 1e-9);
  EXPECT_NEAR(r.start.east, 500, 1e-9);
  ASSERT_TRUE(r.record_area);
  EXPECT_DOUBLE_EQ(*r.record_area, 0.043 * 43560);
  EXPECT_EQ(r.calls[1].notes.back(), "the same course as the call before");
  // The stone, the pin and the numbering are shown as not used.
  std::string unused;
  for (const TextSpan& s : r.unused)
    unused += std::string(text + s.begin, text + s.end) + "|";
  EXPECT_NE(unused.find("a stone"), std::string::npos) << unused;
  EXPECT_NE(unused.find("an iron pin"), std::string::npos) << unused;
  EXPECT_EQ(unused.find("themce"), std::string::npos) << unused;
}

TEST(DescriptionReader, CurvesInWords) {
  struct Curve {
    const char* text;
    const char* entry;  // "~" for the degree sign
    const char* note;   // part of the curve's last note, if any
  };
  const Curve cases[] = {
      {"along a curve to the right having a radius of 20.00 feet, a central angle of "
       "90\xB0"
       "00'00\", an arc length of 31.42 feet, and a chord which bears South "
       "45\xB0"
       "00'00\" East, 28.28 feet",
       "Curve right R 20.00LF delta 90~00'00'' CB SE 45~00'00''", ""},
      {"along a curve to the left, tangent to the previous course, having a radius of 210.00 "
       "feet and an arc length of 105.32 feet",
       "Curve left R 210.00LF arc 105.32LF tangent", ""},
      {"along a non-tangent curve concave to the northeast, having a radius of 50.00 feet, a "
       "chord bearing and distance of N 45\xB0"
       "00'00\" W, 25.00 feet",
       "Curve right R 50.00LF chord 25.00LF CB NW 45~00'00''", ""},
      {"along a curve to the right having a radius of 50 feet and a delta of 30\xB0, from which "
       "the radius point bears S 10\xB0 E",
       "Curve right R 50LF delta 30~00'00'' RB SE 10~00'00''", "as written"},
      {"along a curve to the left with a radius of 50 feet and a central angle of 30 degrees, "
       "along a radial line bearing N 10\xB0 W",
       "Curve left R 50LF delta 30~00'00'' RB SE 10~00'00''", "reversed"},
      {"along a curve to the right having a radius of 20 feet; thence along said curve through "
       "a central angle of 90\xB0"
       "00'00\" to the point of tangency",
       "Curve right R 20LF delta 90~00'00'' tangent", "no other direction"},
      {"along a curve to the left having a radius of 50 feet and a central angle of 30\xB0 "
       "to a point from which the radius point bears S 10\xB0 E",
       "Curve left R 50LF delta 30~00'00'' RB SW 20~00'00''", "turned back"},
      {"along a curve to the right having a radius of 1 chain and an arc length of 10.5 feet",
       "Curve right R 66LF arc 10.5LF tangent", ""},
  };
  for (const Curve& c : cases) {
    SCOPED_TRACE(c.text);
    const DescriptionReading r = ReadDescription(
        std::string("N 0\xB0 E 100 feet; thence ") + c.text + "; thence West 5 ft", {});
    ASSERT_EQ(r.calls.size(), 3u);
    std::string entry = c.entry;
    for (char& ch : entry)
      ch = ch == '~' ? '\xB0' : ch;
    EXPECT_EQ(r.calls[1].entry, entry);
    EXPECT_TRUE(r.unread.empty());
    if (*c.note != '\0') {
      ASSERT_FALSE(r.calls[1].notes.empty());
      EXPECT_NE(r.calls[1].notes.back().find(c.note), std::string::npos);
    }
  }
}

TEST(DescriptionReader, UnreadTextIsReportedWithItsPlace) {
  struct Unread {
    const char* text;
    size_t line;
    size_t column;
    const char* reason;
  };
  const Unread cases[] = {
      {"Beginning at a pin;\nthence Northeasterly 100 feet", 2, 8, "no angle"},
      {"thence N 45\xB0 30' 100 feet", 1, 8, "cannot be read"},
      {"thence N 95\xB0 E 100 feet", 1, 8, "cannot be read"},
      {"x\r\n  thence S 10\xB0 E along the fence", 2, 10, "without a distance"},
      {"thence along a curve to the right 31.42 feet", 1, 16, "without its radius"},
      {"Beginning at a pin; thence along a curve to the left having a radius of 9 feet and an "
       "arc length of 4 feet",
       1, 36, "needs an entry before it"},
  };
  for (const Unread& c : cases) {
    SCOPED_TRACE(c.text);
    const DescriptionReading r = ReadDescription(c.text, {});
    EXPECT_TRUE(r.calls.empty());
    ASSERT_EQ(r.unread.size(), 1u);
    EXPECT_EQ(r.unread[0].span.line, c.line);
    EXPECT_EQ(r.unread[0].span.column, c.column);
    EXPECT_NE(r.unread[0].reason.find(c.reason), std::string::npos) << r.unread[0].reason;
  }
}

TEST(DescriptionReader, RotationTurnsEveryBearingClockwise) {
  struct Turn {
    double degrees;
    std::vector<std::string> entries;
  };
  const Turn cases[] = {
      {0.5, {"NE 00d30'00'' @10LF", "SW 00d30'00'' @10LF", "SE 89d00'00'' @10LF"}},
      {-1.25, {"NW 01d15'00'' @10LF", "SE 01d15'00'' @10LF", "NE 89d15'00'' @10LF"}},
      {12.5 / 60, {"NE 00d12'30'' @10LF", "SW 00d12'30'' @10LF", "SE 89d17'30'' @10LF"}},
  };
  for (const Turn& c : cases) {
    const DescriptionReading r = ReadDescription(
        "North 10 feet; thence South 10 feet; thence S 89\xB0"
        "30' E 10 feet",
        {"LF", c.degrees});
    std::vector<std::string> expected;
    for (const std::string& e : c.entries)
      expected.push_back(Entry(e));
    EXPECT_EQ(EntriesOf(r.calls), expected) << c.degrees;
    ASSERT_FALSE(r.notes.empty());
  }
}

}  // namespace
}  // namespace tw
