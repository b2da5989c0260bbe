// A located boundary written as a map file with GDAL/OGR.
#pragma once

#include <ogr_spatialref.h>

#include <string>

#include "base/result.h"
#include "map/map_boundary.h"
#include "map/map_formats.h"

namespace tw {

// Writes `map` (its ring in `grid`'s coordinates) to `path` in `format`,
// replacing what was there: the polygon with the figures as attributes and,
// where the format shows them, the corners as placemarks numbered from 1.
// Fails with GDAL's reason.
Status WriteMapFile(const MapBoundary& map, const OGRSpatialReference& grid,
                    const MapFormatRow& format, const std::string& path);

}  // namespace tw
