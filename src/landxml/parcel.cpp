#include "landxml/parcel.h"

#include <cmath>
#include <numbers>

namespace tw {

double RadiusOf(const ParcelSegment& curve) {
  return std::hypot(curve.start.east - curve.center.east, curve.start.north - curve.center.north);
}

double DeltaOf(const ParcelSegment& curve) {
  const double from =
      std::atan2(curve.start.north - curve.center.north, curve.start.east - curve.center.east);
  const double to =
      std::atan2(curve.end.north - curve.center.north, curve.end.east - curve.center.east);
  const double ccw = curve.clockwise ? from - to : to - from;
  const double turn = 2 * std::numbers::pi;
  return ccw < 0 ? ccw + turn : ccw;
}

double LengthOf(const ParcelSegment& segment) {
  if (segment.kind == SegmentKind::Curve)
    return RadiusOf(segment) * DeltaOf(segment);
  return std::hypot(segment.end.east - segment.start.east, segment.end.north - segment.start.north);
}

double SignedAreaOf(const std::vector<ParcelSegment>& segments) {
  if (segments.empty())
    return 0;
  double twice = 0;
  double arcs = 0;
  PlanePoint last = segments.back().end;
  for (const ParcelSegment& s : segments) {
    twice += last.east * s.start.north - last.north * s.start.east;
    twice += s.start.east * s.end.north - s.start.north * s.end.east;
    last = s.end;
    if (s.kind == SegmentKind::Curve) {
      const double r = RadiusOf(s);
      const double delta = DeltaOf(s);
      const double piece = r * r / 2 * (delta - std::sin(delta));
      arcs += s.clockwise ? -piece : piece;
    }
  }
  return twice / 2 + arcs;
}

bool PointsMeet(PlanePoint a, PlanePoint b, double perimeter) {
  return std::hypot(a.east - b.east, a.north - b.north) <= perimeter * 1e-5;
}

}  // namespace tw
