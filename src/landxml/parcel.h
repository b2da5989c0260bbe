// A parcel as a LandXML file describes it: a chain of lines and circular
// arcs between plane points, in the program's unit (feet or metres), with
// what its file states about it. The reader builds it; the boundary import
// and the listing of a file's parcels read it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/units.h"
#include "geometry/plane.h"

namespace tw {

enum class SegmentKind { Line, Curve };

struct ParcelSegment {
  SegmentKind kind = SegmentKind::Line;
  PlanePoint start;
  PlanePoint end;
  PlanePoint center;       // a curve's; the radius is the distance from start to it
  bool clockwise = false;  // a curve's turn from start to end
  size_t line = 0;         // of its element in the file, for messages
};

struct Parcel {
  std::string name;  // UTF-8, as the file has it
  // The area the file states, in the square of the program's unit; none
  // when it states none.
  std::optional<double> stated_area;
  // The segments as the file gives them, each turned (if needed) to run on
  // from the one before.
  std::vector<ParcelSegment> segments;
  // The number of geometry elements, also of a parcel that cannot be
  // imported, for the listing.
  size_t element_count = 0;
  bool closed = false;
  // Why the parcel cannot become a boundary (an element the program has no
  // entry for, a gap between segments), naming the segment and its line.
  // Windows-1252.
  std::optional<std::string> refusal;
  size_t line = 0;  // of its element
};

// The unit system a file's Units put the parcels in.
struct ParcelUnits {
  UnitSystem system = UnitSystem::Imperial;
  bool us_survey_foot = false;
};

// Centre to start, the radius the coordinates give.
double RadiusOf(const ParcelSegment& curve);

// The central angle (radians, 0 to 2 pi) swept from start to end around the
// centre in the curve's turn; 0 when the ends coincide.
double DeltaOf(const ParcelSegment& curve);

// Arc length for a curve, straight length for a line.
double LengthOf(const ParcelSegment& segment);

// The signed area (counter-clockwise positive) of the parcel's segments
// closed from the last end back to the first start: the polygon of their
// ends plus each arc's segment, to the left of its chord for a
// counter-clockwise curve. 0 without segments.
double SignedAreaOf(const std::vector<ParcelSegment>& segments);

// Whether two points that should coincide (where one segment ends and the
// next starts, the last end and the first start) do, in a chain of segments
// `perimeter` long: within one part in 100,000 of it, a rounding a survey
// would not see, which the ends of a boundary of rounded calls keep to.
bool PointsMeet(PlanePoint a, PlanePoint b, double perimeter);

}  // namespace tw
