// View > Zoom to Fit: the view that shows the whole boundary.
#pragma once

#include "base/result.h"
#include "program/program.h"

namespace tw {

// Centres the view on the box around every corner and arc and sets each extent to
// that box's half-size over 0.92: each direction fills 92% of the plot, and
// with equal scales the tighter of the two does. A direction in which the
// boundary is flat takes a sliver of the other's extent, so that it never
// decides the scale; a boundary that is a single spot gets extents of 1.
// Replots and logs "Zoom to Fit" as Zoom In logs its line. Nothing happens
// on an empty list. Fails with the unreadable-entry message, changing
// nothing.
Status ZoomToFit(Program& program);

}  // namespace tw
