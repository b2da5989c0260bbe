// Random closed traverses as deeds record them: the true corners of a lot,
// and the calls a surveyor would write for them with a given random field
// error, rounded to the second and to the unit's last kept digit.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace tw::sim {

enum class Shape { Polygon, Rectilinear };

struct FieldError {
  double bearing_seconds = 0;  // sigma of each bearing, in seconds of arc
  double distance_ratio = 0;   // sigma of each distance, as a share of it
};

// One call as a deed writes it.
struct Call {
  char north_south = 'N';
  char east_west = 'E';
  int degrees = 0;
  int minutes = 0;
  int seconds = 0;
  std::string distance;  // as written: "123.45" (feet) or "123.456" (metres)
};

struct Traverse {
  bool metric = false;
  Shape shape = Shape::Polygon;
  std::vector<Call> calls;
  // The closing error the field error alone is expected to leave, in the
  // list's unit: the root sum of every line's bearing and distance sigma.
  double expected_misclosure = 0;
};

// Decimals kept for distances: 0.01 ft or 0.001 m.
int DistanceDecimals(bool metric);

// 3 to 40 calls around a random lot, walked clockwise or counter-clockwise.
Traverse RandomTraverse(std::mt19937_64& rng, bool metric, Shape shape, const FieldError& error);

// The entry text of a call, as the Surveyor boxes compose it.
std::string EntryOf(const Call& call, bool metric);

// The offsets (north, east) the call walks.
struct Offset {
  double north = 0;
  double east = 0;
};
Offset OffsetOf(const Call& call);

}  // namespace tw::sim
