// The coordinate reference systems of a map, through GDAL's OSR over PROJ:
// no projection formula of our own. Every reference is set to the
// traditional GIS axis order (easting or longitude first); GDAL 3 otherwise
// takes EPSG:4326 latitude first.
#pragma once

#include <ogr_spatialref.h>

#include <string>

#include "base/result.h"
#include "location/crs_reply.h"
#include "location/location.h"

namespace tw {

// What a list's unit must agree with: feet with a foot CRS, metres with a
// metre one. The two feet differ by 2 parts per million and are told apart.
enum class UnitFamily { Metre, InternationalFoot, UsSurveyFoot, Other };

UnitFamily UnitFamilyOf(double metres_per_unit);
// "metre", "international foot", kUsSurveyFootWords, or the CRS's own name.
std::string UnitWords(UnitFamily family, std::string_view own_name);

struct CrsFacts {
  std::string name;  // UTF-8, as PROJ's database has it
  UnitFamily unit = UnitFamily::Other;
  std::string unit_words;
};

// The facts of a projected CRS by its EPSG code; fails for an unknown code
// and for a CRS that is not projected.
Result<CrsFacts> DescribeEpsg(int code);

// The message refusing a list whose unit is not of the CRS's family.
Status CheckUnitFamily(bool foot_list, int code, const CrsFacts& facts);

// The grid a location's corners are in: the EPSG CRS, or for a WGS 84 start
// a transverse Mercator centred on it in the list's unit (international
// feet for a foot list). Fails as DescribeEpsg and CheckUnitFamily do.
Result<OGRSpatialReference> GridReference(const Location& location, bool foot_list);

// WGS 84 longitude and latitude.
OGRSpatialReference LonLatReference();

}  // namespace tw
