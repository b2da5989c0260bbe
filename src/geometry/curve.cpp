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

// A bearing's direction, by the rule a line's bearing follows.
double BearingRadians(const CurveBearing& b) {
  return DirectionRadians(
      DirectionAngle(b.quadrant, b.angle.degrees, b.angle.minutes, b.angle.seconds));
}

void SetSize(const CurveCall& c, CurveElements& e) {
  const double r = c.radius;
  switch (c.size) {
    case CurveSize::Arc:
      e.arc = c.length;
      e.delta = c.length / r;
      e.chord = 2 * r * std::sin(e.delta / 2);
      return;
    case CurveSize::Delta:
      e.delta = DirectionRadians(DegreesOf(c.delta));
      e.arc = r * e.delta;
      e.chord = 2 * r * std::sin(e.delta / 2);
      return;
    case CurveSize::Chord: {
      const double minor = 2 * std::asin(std::min(1.0, c.length / (2 * r)));
      e.delta = c.major ? 2 * kAngleConstant - minor : minor;
      e.arc = r * e.delta;
      e.chord = c.length;
      return;
    }
  }
}

}  // namespace

bool ComputeCurve(const CurveCall& c, std::optional<double> heading_before, CurveElements& e) {
  e.side = c.side;
  e.radius = c.radius;
  SetSize(c, e);
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
  e.chord_offsets = {e.chord * std::cos(e.chord_heading), e.chord * std::sin(e.chord_heading)};
  const double radial = e.start_heading + turn * kAngleConstant / 2;
  e.to_centre = {c.radius * std::cos(radial), c.radius * std::sin(radial)};
  e.segment_area = turn * c.radius * c.radius / 2 * (e.delta - std::sin(e.delta));
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
  else if (seconds == 90 * 3600)
    quadrant = q.to == 'E' ? "NE" : "NW";
  return CurveBearingText(quadrant, a);
}

std::string CurveElementsLine(const CurveElements& e) {
  const std::string delta = AngleForm(e.delta * 180 / kAngleConstant);
  return "R " + FixedForm(e.radius) + " Delta " + delta + " Arc " + FixedForm(e.arc) + " Chord " +
         FixedForm(e.chord) + " CB " + HeadingForm(e.chord_heading);
}

}  // namespace tw
