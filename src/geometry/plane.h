// A point of the plane and the way from one point to another, in the unit of
// the entries, shared by the boundary's walks, the closure, the plat and the
// plot. Paper has its own point (PagePoint: millimetres, y down).
#pragma once

namespace tw {

// East is the plot's x, north its y.
struct PlanePoint {
  double east = 0;
  double north = 0;
};

// A line's departure (east) and latitude (north).
struct Offsets {
  double east = 0;
  double north = 0;
};

}  // namespace tw
