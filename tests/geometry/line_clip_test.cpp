// Line clipping: the plot hands the painter only what it can draw.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "geometry/line_clip.h"

namespace tw {
namespace {

TEST(ClipLineTest, CutsToTheRectangle) {
  const ClipRect r{0, 0, 10, 10};
  struct Case {
    Segment line;
    std::optional<Segment> expected;
  } cases[] = {
      {{2, 2, 8, 8}, Segment{2, 2, 8, 8}},                // inside: unchanged
      {{-10, 5, 20, 5}, Segment{0, 5, 10, 5}},            // across: both ends cut
      {{5, -5, 5, 5}, Segment{5, 0, 5, 5}},               // one end outside
      {{-5, -5, -1, 20}, std::nullopt},                   // wholly left
      {{11, 11, 20, 20}, std::nullopt},                   // beyond a corner
      {{-1e300, 5, 1e300, 5}, Segment{0, 5, 10, 5}},      // astronomical ends
      {{-1.7e308, 5, 1.7e308, 5}, Segment{0, 5, 10, 5}},  // difference overflows
  };
  for (const Case& c : cases) {
    const std::optional<Segment> got = ClipLine(c.line, r);
    ASSERT_EQ(got.has_value(), c.expected.has_value()) << c.line.x1 << " " << c.line.y1;
    if (!got)
      continue;
    EXPECT_NEAR(got->x1, c.expected->x1, 1e-9);
    EXPECT_NEAR(got->y1, c.expected->y1, 1e-9);
    EXPECT_NEAR(got->x2, c.expected->x2, 1e-9);
    EXPECT_NEAR(got->y2, c.expected->y2, 1e-9);
  }
}

TEST(ClipLineTest, RefusesEndsThatAreNotFinite) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_FALSE(ClipLine({0, 0, inf, 5}, {0, 0, 10, 10}));
  EXPECT_FALSE(ClipLine({std::nan(""), 0, 5, 5}, {0, 0, 10, 10}));
}

}  // namespace
}  // namespace tw
