// Writing a boundary as a LandXML 1.2 file of one parcel.
//
// Units in feet or metres with the five attributes the schema requires and
// angles in decimal degrees; a CgPoint for each corner, named 1 to n; and a
// Parcel whose CoordGeom holds one Line or Curve for each entry, in the
// list's order, its Start and End giving both the coordinates (northing
// before easting) and the CgPoint; a Curve also its turn, centre, radius,
// arc length, delta and chord. A line of no length (a point entry repeating
// its corner) is left out. When the last corner misses the first by more than a rounding
// (PointsMeet), a closing Line is added, so that the parcel the file draws
// is the one whose area the program states.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "boundary/program_state.h"
#include "location/location.h"

namespace tw {

// The root's required date ("2026-12-08") and time ("01:30:00").
struct LandXmlStamp {
  std::string date;
  std::string time;
};

// The UTC moment of `source_date_epoch` when it is a whole number of seconds
// since 1970 (a build or a test fixes it), else the local time of `now`.
LandXmlStamp StampOf(const char* source_date_epoch, std::time_t now);

// StampOf the environment's SOURCE_DATE_EPOCH and the clock.
LandXmlStamp StampNow();

// The EPSG grid a located boundary is written in.
struct LandXmlGrid {
  Location location;  // its epsg is above 0
  std::string name;   // the CRS's (UTF-8), for the reader; may be empty
  bool us_survey_foot = false;
};

struct LandXmlParcelInfo {
  std::string name;  // Windows-1252, as the program names the project
  LandXmlStamp stamp;
  // None: the corners as the list gives them, from the start coordinates.
  std::optional<LandXmlGrid> grid = std::nullopt;
};

// The file's bytes (UTF-8). The corners start at (FirstPointX, FirstPointY)
// and are read by EntryMode, as the point export reads them; in a grid, they
// and the lengths are placed as the map places them (GridOf), and the file
// names the grid's EPSG code and foot. Fails, naming
// the entry, when one cannot be read, and when the unit is neither "LF" nor
// "m." or the entries reach no second corner.
Result<std::string> LandXmlBytes(const EntryTexts& entries, const ProgramState& state,
                                 const LandXmlParcelInfo& info);

}  // namespace tw
