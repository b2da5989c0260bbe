// The one rule for corner numbers that the screen and the plat share.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "plat/corner_labels.h"

namespace tw {
namespace {

TEST(CornerLabels, NumberTheStartCornerOnce) {
  // The corners run east from (0, 0), 10 apart, and the last is put `gap`
  // north of the first; labels are 2 units high.
  struct Case {
    EntryKind kind;
    size_t corners, lines;
    bool closing_side;
    double gap;
    size_t numbered;
  } cases[] = {
      {EntryKind::Angle, 5, 4, false, 0, 4},  // ends on its start
      // The misclosure drawn: it misses the start, by more than a label...
      {EntryKind::Angle, 6, 5, true, 30, 6},
      {EntryKind::Angle, 6, 5, true, 2, 6},
      // ... or by less, where "6" would stand on "1".
      {EntryKind::Angle, 6, 5, true, 1.99, 5},
      {EntryKind::Angle, 6, 5, true, 0.0001, 5},
      {EntryKind::Angle, 1, 0, false, 0, 1},
      {EntryKind::Angle, 0, 0, false, 0, 0},
      {EntryKind::Point, 4, 4, true, 30, 4},
      {EntryKind::Point, 4, 4, true, 1, 3},  // the first point entered again, nearly
      {EntryKind::Point, 2, 1, false, 30, 2},
      {EntryKind::Point, 2, 1, false, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.corners << " corners, closing " << c.closing_side
                                    << ", last " << c.gap << " from the first");
    BoundaryDrawing d;
    d.kind = c.kind;
    for (size_t i = 0; i < c.corners; ++i)
      d.corners.push_back({10.0 * static_cast<double>(i), 0});
    if (c.corners > 1)
      d.corners.back() = {0, c.gap};
    d.lines.resize(c.lines);
    if (c.lines > 0)
      d.lines.back().closing = c.closing_side;
    EXPECT_EQ(NumberedCorners(d, 2), c.numbered);
  }
}

// Any point type with north and east members, in either order.
struct NorthEast {
  double north = 0, east = 0;
};

TEST(CornerLabels, StandOffAwayFromTheCornersMean) {
  const double h = std::sqrt(0.5);
  struct Case {
    std::vector<NorthEast> corners;
    size_t corner;
    NorthEast out;
  } cases[] = {
      {{{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 2, {h, h}},
      {{{0, 0}, {0, 10}, {10, 10}, {10, 0}}, 0, {-h, -h}},
      // An L whose mean (40, 40) is not its box's centre (50, 50): corner 1
      // stands off along (-40, 60), not along the diagonal.
      {{{0, 0}, {0, 100}, {20, 100}, {20, 20}, {100, 20}, {100, 0}},
       1,
       {-40 / std::hypot(40, 60), 60 / std::hypot(40, 60)}},
      // On the mean: north.
      {{{0, 0}, {4, 4}, {4, 4}, {8, 8}}, 1, {1, 0}},
      {{{7, -3}}, 0, {1, 0}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.corners.size() << " corners, corner " << c.corner);
    const NorthEast out = OutwardOf(c.corners[c.corner], CornerMean(c.corners));
    EXPECT_NEAR(out.north, c.out.north, 1e-12);
    EXPECT_NEAR(out.east, c.out.east, 1e-12);
  }
}

}  // namespace
}  // namespace tw
