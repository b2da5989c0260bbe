#include "map/map_file.h"

#include <cpl_error.h>
#include <cpl_string.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "files/text_encoding.h"
#include "map/crs.h"

namespace tw {
namespace {

struct DatasetCloser {
  void operator()(GDALDataset* dataset) const { GDALClose(dataset); }
};
using DatasetPtr = std::unique_ptr<GDALDataset, DatasetCloser>;

struct TransformDeleter {
  void operator()(OGRCoordinateTransformation* t) const {
    OGRCoordinateTransformation::DestroyCT(t);
  }
};

Error GdalError(std::string_view what) {
  const char* reason = CPLGetLastErrorMsg();
  return Error{std::string(what) + (reason && *reason ? ": " + std::string(reason) : "")};
}

// The ring in the format's coordinates: the grid's own, or WGS 84 longitude
// and latitude, turned in one call (one call a corner costs GDAL its choice
// of operation every time).
Result<std::vector<PlanePoint>> RingFor(const MapFormatRow& format, const MapBoundary& map,
                                        const OGRSpatialReference& grid) {
  if (!format.lon_lat)
    return map.ring;
  const OGRSpatialReference lon_lat = LonLatReference();
  const std::unique_ptr<OGRCoordinateTransformation, TransformDeleter> to_lon_lat(
      OGRCreateCoordinateTransformation(&grid, &lon_lat));
  if (!to_lon_lat)
    return GdalError("The grid cannot be turned into longitude and latitude");
  std::vector<double> x(map.ring.size());
  std::vector<double> y(map.ring.size());
  for (size_t i = 0; i < map.ring.size(); ++i) {
    x[i] = map.ring[i].east;
    y[i] = map.ring[i].north;
  }
  if (!to_lon_lat->Transform(x.size(), x.data(), y.data()))
    return GdalError("The corners cannot be turned into longitude and latitude");
  std::vector<PlanePoint> ring(map.ring.size());
  for (size_t i = 0; i < ring.size(); ++i)
    ring[i] = {x[i], y[i]};
  return ring;
}

OGRPolygon PolygonOf(const std::vector<PlanePoint>& ring) {
  auto linear = std::make_unique<OGRLinearRing>();
  linear->setNumPoints(static_cast<int>(ring.size() + 1), FALSE);
  for (size_t i = 0; i <= ring.size(); ++i) {
    const PlanePoint p = ring[i % ring.size()];
    linear->setPoint(static_cast<int>(i), p.east, p.north);
  }
  OGRPolygon polygon;
  polygon.addRingDirectly(linear.release());
  return polygon;
}

bool AddField(OGRLayer& layer, const char* name, OGRFieldType type) {
  OGRFieldDefn field(name, type);
  return layer.CreateField(&field) == OGRERR_NONE;
}

// The polygon's attributes, in the order the formats list them.
bool AddFigureFields(OGRLayer& layer, const MapFormatRow& format, const MapFigures& f) {
  const std::string large(f.large_unit);
  return AddField(layer, "name", OFTString) && AddField(layer, "area", OFTReal) &&
         AddField(layer, "area_unit", OFTString) && AddField(layer, large.c_str(), OFTReal) &&
         AddField(layer, "perimeter", OFTReal) && AddField(layer, "misclosure", OFTReal) &&
         AddField(layer, "precision", OFTString) && AddField(layer, "note", OFTString) &&
         (!format.corner_placemarks || AddField(layer, "description", OFTString));
}

void SetFigures(OGRFeature& feature, const MapFormatRow& format, const MapFigures& f) {
  feature.SetField("name", Cp1252ToUtf8(f.name).c_str());
  feature.SetField("area", f.area);
  feature.SetField("area_unit", std::string(f.area_unit).c_str());
  feature.SetField(std::string(f.large_unit).c_str(), f.large_area);
  feature.SetField("perimeter", f.perimeter);
  feature.SetField("misclosure", f.misclosure);
  feature.SetField("precision", f.precision.c_str());
  feature.SetField("note", std::string(f.note).c_str());
  if (format.corner_placemarks)
    feature.SetField("description", Cp1252ToUtf8(MapDescription(f)).c_str());
}

Status WritePolygon(GDALDataset& dataset, const MapFormatRow& format, const MapFigures& figures,
                    const OGRSpatialReference& srs, const std::vector<PlanePoint>& ring) {
  CPLStringList options;
  if (format.key == "geojson")
    options.SetNameValue("RFC7946", "YES");
  if (format.key == "shp")
    options.SetNameValue("ENCODING", "UTF-8");
  // GDAL takes its own copy of the reference but asks for a mutable one.
  OGRSpatialReference reference = srs;
  OGRLayer* layer = dataset.CreateLayer("boundary", &reference, wkbPolygon, options.List());
  if (!layer || !AddFigureFields(*layer, format, figures))
    return GdalError("The boundary's layer cannot be made");
  OGRFeature feature(layer->GetLayerDefn());
  SetFigures(feature, format, figures);
  const OGRPolygon polygon = PolygonOf(ring);
  feature.SetGeometry(&polygon);
  if (layer->CreateFeature(&feature) != OGRERR_NONE)
    return GdalError("The boundary cannot be written");
  return Ok();
}

Status WriteCorners(GDALDataset& dataset, const OGRSpatialReference& srs,
                    const std::vector<PlanePoint>& ring) {
  OGRSpatialReference reference = srs;
  OGRLayer* layer = dataset.CreateLayer("corners", &reference, wkbPoint, nullptr);
  if (!layer || !AddField(*layer, "name", OFTString))
    return GdalError("The corners' layer cannot be made");
  OGRFeature feature(layer->GetLayerDefn());
  for (size_t i = 0; i < ring.size(); ++i) {
    feature.SetFID(OGRNullFID);
    feature.SetField(0, std::to_string(i + 1).c_str());
    OGRPoint point(ring[i].east, ring[i].north);
    feature.SetGeometry(&point);
    if (layer->CreateFeature(&feature) != OGRERR_NONE)
      return GdalError("A corner cannot be written");
  }
  return Ok();
}

Result<DatasetPtr> CreateDataset(const MapFormatRow& format, const std::string& path) {
  GDALAllRegister();
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(std::string(format.driver).c_str());
  if (!driver)
    return Error{"GDAL has no " + std::string(format.driver) + " driver."};
  std::error_code ignored;
  if (std::filesystem::exists(path, ignored))
    driver->Delete(path.c_str());
  CPLStringList options;
  if (format.key == "kml") {
    options.SetNameValue("NameField", "name");
    options.SetNameValue("DescriptionField", "description");
  }
  if (format.key == "kmz")
    options.SetNameValue("FORMAT", "KMZ");
  DatasetPtr dataset(driver->Create(path.c_str(), 0, 0, 0, GDT_Unknown, options.List()));
  if (!dataset)
    return GdalError("The file \"" + Utf8ToCp1252(path) + "\" cannot be written");
  return dataset;
}

}  // namespace

Status WriteMapFile(const MapBoundary& map, const OGRSpatialReference& grid,
                    const MapFormatRow& format, const std::string& path) {
  CPLErrorReset();
  const Result<std::vector<PlanePoint>> ring = RingFor(format, map, grid);
  if (!ring)
    return Error{ring.error()};
  Result<DatasetPtr> created = CreateDataset(format, path);
  if (!created)
    return Error{created.error()};
  DatasetPtr dataset = std::move(created).take();
  const OGRSpatialReference srs = format.lon_lat ? LonLatReference() : grid;
  if (const Status polygon = WritePolygon(*dataset, format, map.figures, srs, *ring); !polygon)
    return polygon;
  if (format.corner_placemarks) {
    if (const Status corners = WriteCorners(*dataset, srs, *ring); !corners)
      return corners;
  }
  dataset.reset();
  if (CPLGetLastErrorType() >= CE_Failure)
    return GdalError("The file \"" + Utf8ToCp1252(path) + "\" was not written whole");
  return Ok();
}

}  // namespace tw
