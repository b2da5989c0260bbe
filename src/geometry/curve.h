// The elements of a circular curve from its call, and the points that bound
// its arc. Directions are radians counter-clockwise from east, converted
// from degrees with the program's angle constant as a line's bearing is, so
// a curve's chord and a line of the same bearing run the same way to the bit.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "base/angle_constant.h"
#include "boundary/curve_entry.h"
#include "geometry/plane.h"

namespace tw {

struct CurveElements {
  CurveSide side = CurveSide::Right;
  double radius = 0;
  double delta = 0;  // the central angle, radians, above 0
  double arc = 0;
  double chord = 0;
  double start_heading = 0;  // the tangent where the curve starts
  double chord_heading = 0;
  double end_heading = 0;  // the tangent where it ends
  Offsets chord_offsets;   // from its start to its end
  Offsets to_centre;       // from its start to its centre
  // Beside its chord, counter-clockwise positive: a left curve adds its
  // segment R^2/2 (delta - sin delta) to a boundary walked either way.
  double segment_area = 0;
};

// Radians of a direction in degrees counter-clockwise from east.
inline double DirectionRadians(double direction_degrees) {
  return direction_degrees * kAngleConstant / 180;
}

// +1 for a curve turning counter-clockwise (left), -1 clockwise (right).
inline double TurnSign(CurveSide side) {
  return side == CurveSide::Left ? 1 : -1;
}

// The elements of `call`, a tangent curve following `heading_before` (the
// direction the entry before it ends in). False for a tangent curve with no
// entry before it.
bool ComputeCurve(const CurveCall& call, std::optional<double> heading_before,
                  CurveElements& elements);

// The reason ComputeCurve gives false.
inline constexpr const char* kTangentFirstReason =
    "a tangent curve needs an entry before it to follow";

// Whether the tangent length R tan(delta/2) exists: below half a turn.
inline bool HasTangentLength(const CurveElements& e) {
  return e.delta < kAngleConstant;
}
inline double TangentLength(const CurveElements& e) {
  return e.radius * std::tan(e.delta / 2);
}

// The angle from the centre to the curve's start, and the signed sweep to its
// end, as a drawing surface's Arc takes them.
inline double ArcStartAngle(const CurveElements& e) {
  return e.start_heading - TurnSign(e.side) * kAngleConstant / 2;
}
inline double ArcSweep(const CurveElements& e) {
  return TurnSign(e.side) * e.delta;
}

// Calls visit(PlanePoint) with the points that bound the arc starting at
// `start`: its end and every point due north, south, east or west of its
// centre that the arc passes, so that extents hold the whole arc.
template <class Visit>
void VisitArcBounds(const CurveElements& e, PlanePoint start, Visit&& visit) {
  const PlanePoint centre{start.east + e.to_centre.east, start.north + e.to_centre.north};
  visit(PlanePoint{start.east + e.chord_offsets.east, start.north + e.chord_offsets.north});
  const double from = ArcStartAngle(e);
  const double sweep = ArcSweep(e);
  const double lo = std::min(from, from + sweep);
  const double hi = std::max(from, from + sweep);
  const double quarter = kAngleConstant / 2;
  for (double k = std::ceil(lo / quarter); k * quarter <= hi; ++k) {
    const double a = k * quarter;
    visit(PlanePoint{centre.east + e.radius * std::cos(a), centre.north + e.radius * std::sin(a)});
  }
}

// "R 20.0000 Delta 90°00'00.0\" Arc 31.4159 Chord 28.2843 CB S 45°00'00.0\" E":
// the elements as the report and the curve command print them.
std::string CurveElementsLine(const CurveElements& e);

// The whole-second quadrant bearing nearest to a direction in radians, as a
// line entry writes it ("SE 00°00'00''" due south, "NE 90°00'00''" due east).
std::string NearestBearingText(double heading);

// The quadrant bearing of a direction in radians, as the closure analysis
// prints one: "S 45°00'00.0\" E".
std::string HeadingForm(double heading);

}  // namespace tw
