#include "geometry/arc_clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;

struct Case {
  const char* name;
  double cx, cy, radius, start, sweep;
  ClipRect rect;
  std::vector<ArcPiece> expected;
};

TEST(ClipArc, KeepsOnlyThePartsInsideInTheArcsOrder) {
  const ClipRect ten{0, 0, 10, 10};
  // A circle of 6 about the square's centre leaves it across each side, by
  // acos(5 / 6) either side of the side's middle.
  const double out = std::acos(5.0 / 6);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"whole inside", 5, 5, 2, 1, 4, ten, {{1, 4}}},
      {"quarter of a full turn", 0, 0, 5, 0, 2 * kPi, ten, {{0, kPi / 2}}},
      {"clockwise", 0, 0, 5, kPi / 2, -2 * kPi, ten, {{kPi / 2, -kPi / 2}}},
      {"four corners",
       5,
       5,
       6,
       0,
       2 * kPi,
       ten,
       {{out, kPi / 2 - 2 * out},
        {kPi / 2 + out, kPi / 2 - 2 * out},
        {kPi + out, kPi / 2 - 2 * out},
        {3 * kPi / 2 + out, kPi / 2 - 2 * out}}},
      {"a full turn from inside a corner",
       5,
       5,
       6,
       kPi / 4,
       2 * kPi,
       ten,
       {{kPi / 4, kPi / 4 - out},
        {kPi / 2 + out, kPi / 2 - 2 * out},
        {kPi + out, kPi / 2 - 2 * out},
        {3 * kPi / 2 + out, kPi / 2 - 2 * out},
        {2 * kPi + out, kPi / 4 - out}}},
      {"box missed", 30, 5, 6, 0, 2 * kPi, ten, {}},
      {"square inside the circle", 5, 5, 100, 0, 2 * kPi, ten, {}},
      {"arc short of the square", 0, 0, 5, kPi, kPi / 2, ten, {}},
      {"no number", nan, 0, 5, 0, 1, ten, {}},
      {"no radius", 5, 5, 0, 0, 1, ten, {}},
  };
  for (const Case& c : cases) {
    const ArcPieces got = ClipArc(c.cx, c.cy, c.radius, c.start, c.sweep, c.rect);
    ASSERT_EQ(c.expected.size(), static_cast<size_t>(got.count)) << c.name;
    for (size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_NEAR(c.expected[i].start, got.pieces[i].start, 1e-12) << c.name << " " << i;
      EXPECT_NEAR(c.expected[i].sweep, got.pieces[i].sweep, 1e-12) << c.name << " " << i;
    }
  }
}

// Zoomed far in on an arc a billion times the view's size: the piece left
// runs from one side of the view to the other.
TEST(ClipArc, AnArcFarLargerThanTheViewKeepsTheViewsWidth) {
  const double radius = 1e9 + 5;
  const ArcPieces got = ClipArc(0, -1e9, radius, kPi / 2 - 0.1, 0.2, {-10, 0, 10, 10});
  ASSERT_EQ(1, got.count);
  const ArcPiece& p = got.pieces[0];
  EXPECT_NEAR(10, radius * std::cos(p.start), 1e-6);
  EXPECT_NEAR(-10, radius * std::cos(p.start + p.sweep), 1e-6);
}

}  // namespace
}  // namespace tw
