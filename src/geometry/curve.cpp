#include "geometry/curve.h"

#include <algorithm>
#include <cmath>

#include "boundary/entry.h"
#include "geometry/bearing.h"
#include "geometry/bearing_forms.h"

namespace tw {
namespace {

double DegreesOf(WholeAngle a) {
  return (a.degrees + a.minutes / 60.0) + a.seconds / 3600.0;
}

// The sine and cosine of half the delta: with them the chord, the centre and
// the segment need no further sine, as the walk computes a curve per entry.
struct HalfDelta {
  double sin = 0;
  double cos = 1;
};

HalfDelta SetSize(const CurveCall& c, CurveElements& e) {
  const double r = c.radius;
  switch (c.size) {
    case CurveSize::Arc:
    case CurveSize::Delta: {
      e.delta = c.size == CurveSize::Arc ? c.length / r : DirectionRadians(DegreesOf(c.delta));
      e.arc = c.size == CurveSize::Arc ? c.length : r * e.delta;
      const HalfDelta half{std::sin(e.delta / 2), std::cos(e.delta / 2)};
      e.chord = 2 * r * half.sin;
      return half;
    }
    case CurveSize::Chord: {
      const double half_sin = std::min(1.0, c.length / (2 * r));
      const double minor = 2 * std::asin(half_sin);
      e.delta = c.major ? 2 * kAngleConstant - minor : minor;
      e.arc = r * e.delta;
      e.chord = c.length;
      // The major arc's half delta lies past a quarter turn.
      const double half_cos = std::sqrt((1 - half_sin) * (1 + half_sin));
      return {half_sin, c.major ? -half_cos : half_cos};
    }
  }
  return {};
}

}  // namespace

double BearingRadians(const CurveBearing& b) {
  return DirectionRadians(
      DirectionAngle(b.quadrant, b.angle.degrees, b.angle.minutes, b.angle.seconds));
}

bool ComputeCurve(const CurveCall& c, std::optional<double> heading_before, CurveElements& e) {
  e.side = c.side;
  e.radius = c.radius;
  const HalfDelta half = SetSize(c, e);
  const double turn = TurnSign(c.side);
  switch (c.aim) {
    case CurveAim::Tangent:
      if (!heading_before)
        return false;
      e.start_heading = *heading_before;
      break;
    case CurveAim::ChordBearing:
      e.start_heading = BearingRadians(c.bearing) - turn * e.delta / 2;
      break;
    case CurveAim::RadialBearing:
      e.start_heading = BearingRadians(c.bearing) - turn * kAngleConstant / 2;
      break;
  }
  e.chord_heading = e.start_heading + turn * e.delta / 2;
  e.end_heading = e.start_heading + turn * e.delta;
  const double along_east = std::cos(e.chord_heading);
  const double along_north = std::sin(e.chord_heading);
  e.chord_offsets = {e.chord * along_east, e.chord * along_north};
  // The centre stands off the chord's middle by R cos(delta/2), to the side
  // the curve turns to (past the chord's middle for a major arc).
  const double off = turn * c.radius * half.cos;
  e.to_centre = {e.chord / 2 * along_east - off * along_north,
                 e.chord / 2 * along_north + off * along_east};
  const double sin_delta = 2 * half.sin * half.cos;
  e.segment_area = turn * c.radius * c.radius / 2 * (e.delta - sin_delta);
  return true;
}

std::string HeadingForm(double heading) {
  return QuadrantForm(QuadrantOfDirection(heading * 180 / kAngleConstant));
}

std::string NearestBearingText(double heading) {
  const QuadrantAngle q = QuadrantOfDirection(heading * 180 / kAngleConstant);
  long long seconds = std::llround(q.degrees * 3600);
  WholeAngle a{static_cast<int>(seconds / 3600), static_cast<int>(seconds / 60 % 60),
               static_cast<int>(seconds % 60)};
  std::string quadrant{q.from, q.to};
  // Due directions as a line entry writes them: south and east from "SE"
  // and "NE", whatever side of the meridian the rounding came from.
  if (seconds == 0)
    quadrant = q.from == 'S' ? "SE" : "NE";
  else if (seconds == 90LL * 3600)
    quadrant = q.to == 'E' ? "NE" : "NW";
  return CurveBearingText(quadrant, a);
}

std::string CurveSizeLine(const CurveElements& e) {
  const std::string delta = AngleForm(e.delta * 180 / kAngleConstant);
  return "R " + FixedForm(e.radius) + " Delta " + delta + " Arc " + FixedForm(e.arc) + " Chord " +
         FixedForm(e.chord);
}

std::string CurveElementsLine(const CurveElements& e) {
  return CurveSizeLine(e) + " CB " + HeadingForm(e.chord_heading);
}

}  // namespace tw
