#include "closure/blunders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "closure/blunder_cache.h"
#include "doubles/cp1252.h"

namespace tw {
namespace {

// A five-line traverse that closes to 4e-7 over a perimeter of 1487: exact.
const std::vector<std::string> kClosed = {
    test::Cp1252("NE 23°41'52'' @412.5LF"),    test::Cp1252("SE 67°15'38'' @304.45LF"),
    test::Cp1252("SW 12°34'17'' @380.04LF"),   test::Cp1252("NW 81°09'46'' @275LF"),
    test::Cp1252("NW 53°18'27'' @114.8853LF"),
};

// The findings, which must not depend on what the cache saw before.
std::vector<BlunderFinding> Find(const std::vector<std::string>& entries, int standard,
                                 BlunderCache& cache) {
  const Result<std::vector<TraverseLine>> lines = ReadTraverseLines(entries);
  EXPECT_TRUE(lines.ok());
  const TraverseSums sums = SumLines(*lines);
  std::vector<BlunderFinding> found = FindBlunders(entries, *lines, sums, standard);
  const std::vector<BlunderFinding> cached = FindBlunders(entries, *lines, sums, standard, cache);
  EXPECT_EQ(found.size(), cached.size());
  for (size_t i = 0; i < std::min(found.size(), cached.size()); ++i) {
    EXPECT_EQ(found[i].index, cached[i].index);
    EXPECT_EQ(found[i].corrected, cached[i].corrected);
    EXPECT_EQ(found[i].kind, cached[i].kind);
    EXPECT_EQ(PrecisionText(found[i].after), PrecisionText(cached[i].after));
  }
  return found;
}

std::vector<BlunderFinding> Find(const std::vector<std::string>& entries, int standard) {
  BlunderCache cache;
  return Find(entries, standard, cache);
}

// One deliberately broken copy per kind of mistake: the finder must name the
// broken line first, with that kind, and give back the entry as it was. The
// cache follows the copies: a line replaced, added and taken away.
TEST(Blunders, EachKindOfMistakeIsNamedFirst) {
  struct Case {
    BlunderKind kind;
    size_t line;
    const char* broken;
  };
  const Case cases[] = {
      {BlunderKind::Quadrant, 3, "NE 81°09'46'' @275LF"},
      {BlunderKind::DegreesMinutes, 2, "SW 34°12'17'' @380.04LF"},
      {BlunderKind::DegreeDigits, 0, "NE 32°41'52'' @412.5LF"},
      {BlunderKind::MinuteDigits, 2, "SW 12°43'17'' @380.04LF"},
      {BlunderKind::SecondDigits, 0, "NE 23°41'25'' @412.5LF"},
      {BlunderKind::DistanceDigits, 0, "NE 23°41'52'' @421.5LF"},
      {BlunderKind::DistanceTimesTen, 1, "SE 67°15'38'' @30.445LF"},
      {BlunderKind::DistanceTenth, 3, "NW 81°09'46'' @2750LF"},
      {BlunderKind::WrongDistance, 2, "SW 12°34'17'' @383.5LF"},
      {BlunderKind::WrongBearing, 1, "SE 67°22'51'' @304.45LF"},
  };
  BlunderCache cache;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.broken);
    std::vector<std::string> entries = kClosed;
    entries[c.line] = test::Cp1252(c.broken);
    if (c.line == 1) {
      std::vector<std::string> longer = entries;
      longer.insert(longer.begin(), kClosed[4]);
      cache.Update(longer);
    }
    const std::vector<BlunderFinding> found = Find(entries, 100000, cache);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(c.line, found[0].index);
    EXPECT_EQ(c.kind, found[0].kind) << BlunderKindText(found[0].kind);
    EXPECT_EQ(kClosed[c.line], found[0].corrected);
    EXPECT_EQ(entries[c.line], found[0].entry);
    EXPECT_TRUE(found[0].after.exact);
    EXPECT_LE(found.size(), kMostFindings);
  }
}

// Two lines broken at once: no single entry fixes it, and a trial that
// would leave the degrees above 90 or the minutes above 60 never counts.
TEST(Blunders, OnlyValidSingleEntryFixesAreListed) {
  std::vector<std::string> entries = kClosed;
  entries[0] = test::Cp1252("NE 32°41'52'' @412.5LF");
  entries[3] = test::Cp1252("NE 81°09'46'' @275LF");
  EXPECT_TRUE(Find(entries, 10000).empty());

  entries = kClosed;
  entries[1] = test::Cp1252("SE 76°15'38'' @304.45LF");
  for (const BlunderFinding& f : Find(entries, 100)) {
    EXPECT_NE(BlunderKind::DegreesMinutes, f.kind);  // 15°76' is no bearing
    EXPECT_NE(entries[f.index], f.corrected);
  }
}

}  // namespace
}  // namespace tw
