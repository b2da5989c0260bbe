// The ports' default arcs: chords computed in the port's own coordinates,
// as few as keep within the port's tolerance once mapped to its pixels.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "ports/drawing_surface.h"
#include "ports/page.h"

namespace tw {
namespace {

struct XY {
  double x, y;
};

// A surface of `across` by `up` pixels per drawing unit that keeps the
// chords' ends.
class ChordSurface : public DrawingSurface {
 public:
  ChordSurface(double across, double up) : across_(across), up_(up) {}
  void Clear() override {}
  void SetScale(double, double, double, double) override {}
  void SetPenWidth(int) override {}
  void LineTo(double x, double y, std::optional<int>) override { ends.push_back({x, y}); }
  void Line(double x1, double y1, double x2, double y2, std::optional<int>) override {
    ++lines;
    ends.push_back({x1, y1});
    ends.push_back({x2, y2});
  }
  void Point(double, double, int) override {}
  double PixelsPerUnit() const override { return std::max(across_, up_); }

  std::vector<XY> ends;
  int lines = 0;

 private:
  double across_, up_;
};

// A page that keeps its lines' ends, and whether each line starts where the
// one before ended.
class ChordPage : public Page {
 public:
  void Line(PagePoint a, PagePoint b, double) override {
    if (ends.empty())
      ends.push_back({a.x, a.y});
    joined &= a.x == ends.back().x && a.y == ends.back().y;
    ends.push_back({b.x, b.y});
  }
  void DashedLine(PagePoint, PagePoint, double) override {}
  void Text(PagePoint, double, double, TextAlign, std::string_view) override {}
  double TextWidth(double, std::string_view) override { return 0; }
  void NewPage() override {}

  std::vector<XY> ends;
  bool joined = true;
};

struct Arc {
  double cx, cy, radius, start, sweep;
  XY At(double angle) const {
    return {cx + radius * std::cos(angle), cy + radius * std::sin(angle)};
  }
};

double SegmentDistance(XY p, XY a, XY b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double length2 = dx * dx + dy * dy;
  const double t =
      length2 > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length2, 0.0, 1.0) : 0;
  return std::hypot(p.x - a.x - t * dx, p.y - a.y - t * dy);
}

// The farthest the mapped arc stands off its mapped chords, sampled finely
// between each chord's ends; the ends must lie on the arc, in order, from
// its start to its end.
double WorstGap(const Arc& arc, const std::vector<XY>& ends, double sx, double sy) {
  EXPECT_GE(ends.size(), 2u);
  if (ends.size() < 2)
    return INFINITY;
  const auto pixels = [&](XY p) { return XY{p.x * sx, p.y * sy}; };
  double worst = 0;
  double from = arc.start;
  for (size_t k = 0; k + 1 < ends.size(); ++k) {
    const XY a = ends[k], b = ends[k + 1];
    EXPECT_NEAR(std::hypot(b.x - arc.cx, b.y - arc.cy), arc.radius, 1e-9 * (1 + arc.radius));
    const double turn = std::remainder(
        std::atan2(b.y - arc.cy, b.x - arc.cx) - std::atan2(a.y - arc.cy, a.x - arc.cx), 2 * M_PI);
    EXPECT_TRUE(turn * arc.sweep >= 0) << "chord " << k << " turns back";
    for (int i = 0; i <= 32; ++i) {
      const XY p = arc.At(from + turn * i / 32);
      worst = std::max(worst, SegmentDistance(pixels(p), pixels(a), pixels(b)));
    }
    from += turn;
  }
  const XY first = arc.At(arc.start), last = arc.At(arc.start + arc.sweep);
  EXPECT_NEAR(ends.front().x, first.x, 1e-9 * (1 + arc.radius));
  EXPECT_NEAR(ends.front().y, first.y, 1e-9 * (1 + arc.radius));
  EXPECT_NEAR(ends.back().x, last.x, 1e-9 * (1 + arc.radius));
  EXPECT_NEAR(ends.back().y, last.y, 1e-9 * (1 + arc.radius));
  EXPECT_NEAR(from, arc.start + arc.sweep, 1e-9);
  return worst;
}

struct Case {
  Arc arc;
  double across, up;  // pixels per unit
};

const Case kCases[] = {
    {{0, 0, 100, 0, 2 * M_PI}, 1, 1},
    {{-40, 25, 100, 1, -M_PI / 3}, 1, 1},
    {{3, 3, 3, -2, 2 * M_PI}, 2, 2},
    {{0, 0, 0.1, 0.5, 2}, 1, 1},  // one chord stays within tolerance
    {{0, 0, 5000, 2, 0.01}, 1, 1},
    {{7, -7, 1e6, -0.2, 0.3}, 1, 1},
    {{0, 0, 200, 0.3, 2 * M_PI}, 3, 0.5},  // Equal Scales off: an ellipse
    {{10, 0, 200, 4, -1.5 * M_PI}, 0.5, 3},
    {{0, 0, 50, 0, 5 * M_PI}, 1, 1},  // more than a turn
};

TEST(PortArcs, SurfaceKeepsWithinAQuarterPixel) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "radius " << c.arc.radius << " sweep " << c.arc.sweep
                                    << " scales " << c.across << ", " << c.up);
    ChordSurface surface(c.across, c.up);
    surface.Arc(c.arc.cx, c.arc.cy, c.arc.radius, c.arc.start, c.arc.sweep, kDarkRed);
    // One line, then on from the pen: the pen ends at the arc's end.
    EXPECT_EQ(surface.lines, 1);
    const double worst = WorstGap(c.arc, surface.ends, c.across, c.up);
    EXPECT_LE(worst, kArcPixelTolerance);
    // No finer than needed: half as many chords would miss.
    if (c.across == c.up && surface.ends.size() > 3) {
      EXPECT_GT(worst, kArcPixelTolerance / 4);
    }
  }
}

TEST(PortArcs, PageKeepsWithinAFiftiethOfAMillimetre) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(testing::Message() << "radius " << c.arc.radius << " sweep " << c.arc.sweep);
    ChordPage page;
    page.Arc({c.arc.cx, c.arc.cy}, c.arc.radius, c.arc.start, c.arc.sweep, 0.3);
    EXPECT_TRUE(page.joined);
    const double worst = WorstGap(c.arc, page.ends, 1, 1);
    EXPECT_LE(worst, kArcPageTolerance);
    if (page.ends.size() > 3) {
      EXPECT_GT(worst, kArcPageTolerance / 4);
    }
  }
}

TEST(PortArcs, DrawNothingThatCannotBeDrawn) {
  const Arc arcs[] = {
      {0, 0, 10, 0, 0}, {0, 0, -1, 0, 1}, {0, 0, NAN, 0, 1}, {0, 0, 1, 0, INFINITY}};
  for (const Arc& arc : arcs) {
    ChordSurface surface(1, 1);
    surface.Arc(arc.cx, arc.cy, arc.radius, arc.start, arc.sweep, std::nullopt);
    ChordPage page;
    page.Arc({arc.cx, arc.cy}, arc.radius, arc.start, arc.sweep, 0.3);
    EXPECT_TRUE(surface.ends.empty() && page.ends.empty()) << arc.radius << " " << arc.sweep;
  }
}

}  // namespace
}  // namespace tw
