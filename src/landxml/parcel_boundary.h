// A parcel read from a LandXML file as the program's boundary.
//
// A parcel of lines becomes a Point boundary of its corners, exactly as the
// file gives them. A parcel with curves becomes a Surveyor boundary of calls,
// bearings to the second and distances to four decimals; such calls seldom
// close exactly, and the import says by how much they miss.
#pragma once

#include <optional>
#include <string>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "formats/project_file.h"
#include "landxml/parcel.h"

namespace tw {

struct ParcelBoundary {
  ProjectHeader header;  // the first corner, the unit and the mode
  EntryTexts entries;
  // "Closure of the calls as rounded: 0.0012 (1:250,000)", for a boundary of
  // calls, logged after the replot's closure lines. Windows-1252.
  std::optional<std::string> rounded_closure;
};

// Fails with the parcel's refusal, or when it does not close (it then has no
// area) or has no segment. With the EPSG code of the file's coordinate
// system, the boundary is located in that grid.
Result<ParcelBoundary> BoundaryOfParcel(const Parcel& parcel, const ParcelUnits& units,
                                        std::optional<int> epsg);

}  // namespace tw
