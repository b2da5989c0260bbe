// The program-wide state of one run, with its start values.
#pragma once

#include <optional>
#include <string>

#include "base/entry_mode.h"
#include "base/units.h"
#include "location/location.h"

namespace tw {

// Half the width and height of the plot at start and after Zoom Reset.
inline constexpr double kStartExtent = 300;

struct ProgramState {
  // "LF" (US Imperial, feet) or "m." (SI Metric); taken as written from an
  // opened file, so it can be anything.
  std::string UnitAbbrev{UnitRecordOf(UnitSystem::Imperial).abbrev};
  // "Surveyor", "Carpenter" or "Point"; likewise taken as written from a file.
  std::string EntryMode{ModeText(ModeOption::Surveyor)};
  // The first corner of a point list: the plot origin and first vertex.
  double FirstPointX = 0;
  double FirstPointY = 0;
  // Where the start corner lies on the earth; none until the user sets it.
  std::optional<Location> location;
  // The corner reached by the bearing traverse so far, relative to its start.
  double LastCornerX = 0;
  double LastCornerY = 0;
  // Half the width and height of the visible plot, in drawing units.
  double PlotExtentX = kStartExtent;
  double PlotExtentY = kStartExtent;
  // The drawing point at the middle of the visible plot: the start corner
  // until the view is moved.
  double PlotCentreX = 0;
  double PlotCentreY = 0;
};

}  // namespace tw
