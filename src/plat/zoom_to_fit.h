// View > Zoom to Fit: the extents that show the whole boundary.
#pragma once

#include "base/result.h"
#include "program/program.h"

namespace tw {

// Both extents become 1.1 x the largest |x| or |y| of any corner from the
// origin, at least 1; replots and logs "Zoom to Fit" as Zoom In logs its
// line. Nothing happens on an empty list. Fails with the unreadable-entry
// message, changing nothing.
Status ZoomToFit(Program& program);

}  // namespace tw
