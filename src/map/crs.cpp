#include "map/crs.h"

#include <cmath>

namespace tw {
namespace {

constexpr double kInternationalFoot = 0.3048;
constexpr double kUsSurveyFoot = 1200.0 / 3937.0;

OGRSpatialReference Traditional(OGRSpatialReference srs) {
  srs.SetAxisMappingStrategy(OAMS_TRADITIONAL_GIS_ORDER);
  return srs;
}

std::string EpsgName(int code) {
  return "EPSG:" + std::to_string(code);
}

}  // namespace

UnitFamily UnitFamilyOf(double metres_per_unit) {
  if (metres_per_unit == 1)
    return UnitFamily::Metre;
  if (std::fabs(metres_per_unit - kInternationalFoot) < 1e-12)
    return UnitFamily::InternationalFoot;
  if (std::fabs(metres_per_unit - kUsSurveyFoot) < 1e-12)
    return UnitFamily::UsSurveyFoot;
  return UnitFamily::Other;
}

std::string UnitWords(UnitFamily family, std::string_view own_name) {
  switch (family) {
    case UnitFamily::Metre:
      return "metre";
    case UnitFamily::InternationalFoot:
      return "international foot";
    case UnitFamily::UsSurveyFoot:
      return std::string(kUsSurveyFootWords);
    case UnitFamily::Other:
      break;
  }
  return std::string(own_name);
}

Result<CrsFacts> DescribeEpsg(int code) {
  OGRSpatialReference srs;
  if (srs.importFromEPSG(code) != OGRERR_NONE)
    return Error{EpsgName(code) + " is not a coordinate reference system PROJ knows."};
  CrsFacts facts;
  facts.name = srs.GetName() ? srs.GetName() : "";
  if (!srs.IsProjected()) {
    return Error{EpsgName(code) + " (" + facts.name +
                 ") is not a projected coordinate reference system."};
  }
  const char* unit_name = nullptr;
  facts.unit = UnitFamilyOf(srs.GetLinearUnits(&unit_name));
  facts.unit_words = UnitWords(facts.unit, unit_name ? unit_name : "");
  return facts;
}

Status CheckUnitFamily(bool foot_list, int code, const CrsFacts& facts) {
  const bool foot_crs =
      facts.unit == UnitFamily::InternationalFoot || facts.unit == UnitFamily::UsSurveyFoot;
  if (foot_list ? foot_crs : facts.unit == UnitFamily::Metre)
    return Ok();
  return Error{EpsgName(code) + " (" + facts.name + ") is in " + facts.unit_words +
               " units; the list is in " + (foot_list ? "feet." : "metres.")};
}

Result<OGRSpatialReference> GridReference(const Location& location, bool foot_list) {
  OGRSpatialReference srs;
  if (location.epsg != 0) {
    const Result<CrsFacts> facts = DescribeEpsg(location.epsg);
    if (!facts)
      return Error{facts.error()};
    if (const Status unit = CheckUnitFamily(foot_list, location.epsg, *facts); !unit)
      return Error{unit.error()};
    srs.importFromEPSG(location.epsg);
    return Traditional(srs);
  }
  srs.SetProjCS("Transverse Mercator at the start corner");
  srs.SetWellKnownGeogCS("WGS84");
  srs.SetTM(location.north, location.east, 1, 0, 0);
  if (foot_list)
    srs.SetLinearUnits(SRS_UL_FOOT, kInternationalFoot);
  else
    srs.SetLinearUnits(SRS_UL_METER, 1);
  return Traditional(srs);
}

OGRSpatialReference LonLatReference() {
  OGRSpatialReference srs;
  srs.SetWellKnownGeogCS("WGS84");
  return Traditional(srs);
}

}  // namespace tw
