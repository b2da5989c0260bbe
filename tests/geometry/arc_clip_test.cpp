#include "geometry/arc_clip.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace tw {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(ClipArc, KeepsOnlyThePartsInsideInTheArcsOrder) {
  struct Case {
    const char* name;
    double cx, cy, radius, start, sweep;
    std::vector<ArcPiece> expected;
  };
  // A circle of 6 about the square's centre leaves it across each side, by
  // acos(5 / 6) either side of the side's middle: four corner pieces of q.
  const double o = std::acos(5.0 / 6);
  const double q = kPi / 2 - 2 * o;
  const std::vector<ArcPiece> corners{{o, q}, {kPi / 2 + o, q}, {kPi + o, q}, {1.5 * kPi + o, q}};
  std::vector<ArcPiece> split = corners;
  split.front() = {kPi / 4, kPi / 4 - o};
  split.push_back({2 * kPi + o, kPi / 4 - o});
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const Case cases[] = {
      {"whole inside", 5, 5, 2, 1, 4, {{1, 4}}},
      {"quarter of a full turn", 0, 0, 5, 0, 2 * kPi, {{0, kPi / 2}}},
      {"clockwise", 0, 0, 5, kPi / 2, -2 * kPi, {{kPi / 2, -kPi / 2}}},
      {"corners", 5, 5, 6, 0, 2 * kPi, corners},
      {"from inside a corner", 5, 5, 6, kPi / 4, 2 * kPi, split},
      {"box missed", 30, 5, 6, 0, 2 * kPi, {}},
      {"square inside the circle", 5, 5, 100, 0, 2 * kPi, {}},
      {"arc short of the square", 0, 0, 5, kPi, kPi / 2, {}},
      {"no number", nan, 0, 5, 0, 1, {}},
      {"no radius", 5, 5, 0, 0, 1, {}},
  };
  for (const Case& c : cases) {
    const ArcPieces got = ClipArc(c.cx, c.cy, c.radius, c.start, c.sweep, {0, 0, 10, 10});
    ASSERT_EQ(c.expected.size(), static_cast<size_t>(got.count)) << c.name;
    for (size_t i = 0; i < c.expected.size(); ++i) {
      EXPECT_NEAR(c.expected[i].start, got.pieces[i].start, 1e-12) << c.name << " " << i;
      EXPECT_NEAR(c.expected[i].sweep, got.pieces[i].sweep, 1e-12) << c.name << " " << i;
    }
  }
  // Zoomed far in on an arc a billion times the view's size: the piece left
  // runs from one side of the view to the other.
  const double r = 1e9 + 5;
  const ArcPieces far = ClipArc(0, -1e9, r, kPi / 2 - 0.1, 0.2, {-10, 0, 10, 10});
  ASSERT_EQ(1, far.count);
  EXPECT_NEAR(10, r * std::cos(far.pieces[0].start), 1e-6);
  EXPECT_NEAR(-10, r * std::cos(far.pieces[0].start + far.pieces[0].sweep), 1e-6);
}

}  // namespace
}  // namespace tw
