#include "map/map_file.h"

#include <cpl_error.h>
#include <cpl_string.h>
#include <gdal_priv.h>
#include <ogrsf_frmts.h>

#include <algorithm>
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

// Points in the format's coordinates: the grid's own, or WGS 84 longitude
// and latitude, turned in one call (one call a point costs GDAL its choice
// of operation every time).
Result<std::vector<PlanePoint>> InFormat(const MapFormatRow& format, std::vector<PlanePoint> points,
                                         const OGRSpatialReference& grid) {
  if (!format.lon_lat)
    return points;
  const OGRSpatialReference lon_lat = LonLatReference();
  const std::unique_ptr<OGRCoordinateTransformation, TransformDeleter> to_lon_lat(
      OGRCreateCoordinateTransformation(&grid, &lon_lat));
  if (!to_lon_lat)
    return GdalError("The grid cannot be turned into longitude and latitude");
  std::vector<double> x(points.size());
  std::vector<double> y(points.size());
  for (size_t i = 0; i < points.size(); ++i) {
    x[i] = points[i].east;
    y[i] = points[i].north;
  }
  if (!to_lon_lat->Transform(x.size(), x.data(), y.data()))
    return GdalError("The corners cannot be turned into longitude and latitude");
  for (size_t i = 0; i < points.size(); ++i)
    points[i] = {x[i], y[i]};
  return points;
}

bool HasArcs(const MapBoundary& map) {
  return std::any_of(map.arcs.begin(), map.arcs.end(),
                     [](const std::optional<MapArc>& arc) { return arc.has_value(); });
}

// The corners for their placemarks, none where the format has none. Without
// arcs they are the outline's points, already turned.
Result<std::vector<PlanePoint>> CornersInFormat(const MapBoundary& map, const MapFormatRow& format,
                                                const std::vector<PlanePoint>& outline,
                                                const OGRSpatialReference& grid) {
  if (!format.corner_placemarks)
    return std::vector<PlanePoint>();
  if (!HasArcs(map))
    return outline;
  return InFormat(format, map.ring, grid);
}

std::unique_ptr<OGRGeometry> PolygonOf(const std::vector<PlanePoint>& ring) {
  auto linear = std::make_unique<OGRLinearRing>();
  linear->setNumPoints(static_cast<int>(ring.size() + 1), FALSE);
  for (size_t i = 0; i <= ring.size(); ++i) {
    const PlanePoint p = ring[i % ring.size()];
    linear->setPoint(static_cast<int>(i), p.east, p.north);
  }
  auto polygon = std::make_unique<OGRPolygon>();
  polygon->addRingDirectly(linear.release());
  return polygon;
}

// The ring as runs of straight sides and arcs, each arc a circular string
// through its midpoint.
std::unique_ptr<OGRGeometry> CurvePolygonOf(const MapBoundary& map) {
  auto compound = std::make_unique<OGRCompoundCurve>();
  auto straight = std::make_unique<OGRLineString>();
  const auto flush = [&] {
    if (straight->getNumPoints() > 1)
      compound->addCurveDirectly(straight.release());
    straight = std::make_unique<OGRLineString>();
  };
  const size_t n = map.ring.size();
  for (size_t i = 0; i < n; ++i) {
    const PlanePoint from = map.ring[i];
    const PlanePoint to = map.ring[(i + 1) % n];
    if (!map.arcs[i]) {
      if (straight->getNumPoints() == 0)
        straight->addPoint(from.east, from.north);
      straight->addPoint(to.east, to.north);
      continue;
    }
    flush();
    auto arc = std::make_unique<OGRCircularString>();
    const PlanePoint middle = ArcMidpoint(*map.arcs[i], from);
    arc->addPoint(from.east, from.north);
    arc->addPoint(middle.east, middle.north);
    arc->addPoint(to.east, to.north);
    compound->addCurveDirectly(arc.release());
  }
  flush();
  auto polygon = std::make_unique<OGRCurvePolygon>();
  polygon->addRingDirectly(compound.release());
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
                    const OGRSpatialReference& srs, const OGRGeometry& outline) {
  CPLStringList options;
  if (format.key == "geojson")
    options.SetNameValue("RFC7946", "YES");
  if (format.key == "shp")
    options.SetNameValue("ENCODING", "UTF-8");
  // GDAL takes its own copy of the reference but asks for a mutable one.
  OGRSpatialReference reference = srs;
  OGRLayer* layer =
      dataset.CreateLayer("boundary", &reference, outline.getGeometryType(), options.List());
  if (!layer || !AddFigureFields(*layer, format, figures))
    return GdalError("The boundary's layer cannot be made");
  OGRFeature feature(layer->GetLayerDefn());
  SetFigures(feature, format, figures);
  feature.SetGeometry(&outline);
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
  // These drivers write another kind of file (or a folder) under another name.
  if (format.named_by_extension && !path.ends_with(format.extension)) {
    return Error{"A " + std::string(format.key) + " map's file name ends in \"" +
                 std::string(format.extension) + "\"."};
  }
  GDALAllRegister();
  GDALDriver* driver = GetGDALDriverManager()->GetDriverByName(std::string(format.driver).c_str());
  if (!driver)
    return Error{"GDAL has no " + std::string(format.driver) + " driver."};
  // The drivers will not write over a file. Deleting through a driver opens
  // the old file first (the KML driver parses it whole), so only a file with
  // companions is deleted that way.
  std::error_code ignored;
  if (!format.companion_files)
    std::filesystem::remove(path, ignored);
  else if (std::filesystem::exists(path, ignored))
    driver->Delete(path.c_str());
  CPLStringList options;
  if (format.key == "kml") {
    options.SetNameValue("NameField", "name");
    options.SetNameValue("DescriptionField", "description");
  }
  DatasetPtr dataset(driver->Create(path.c_str(), 0, 0, 0, GDT_Unknown, options.List()));
  if (!dataset)
    return GdalError("The file \"" + Utf8ToCp1252(path) + "\" cannot be written");
  return dataset;
}

}  // namespace

Status WriteMapFile(const MapBoundary& map, const OGRSpatialReference& grid,
                    const MapFormatRow& format, const std::string& path) {
  CPLErrorReset();
  const bool curved = format.arcs && HasArcs(map);
  const Result<std::vector<PlanePoint>> outline =
      InFormat(format, curved ? map.ring : RingPoints(map, kArcDeviation * map.scale), grid);
  if (!outline)
    return Error{outline.error()};
  const Result<std::vector<PlanePoint>> corners = CornersInFormat(map, format, *outline, grid);
  if (!corners)
    return Error{corners.error()};
  Result<DatasetPtr> created = CreateDataset(format, path);
  if (!created)
    return Error{created.error()};
  DatasetPtr dataset = std::move(created).take();
  const OGRSpatialReference srs = format.lon_lat ? LonLatReference() : grid;
  const std::unique_ptr<OGRGeometry> geometry = curved ? CurvePolygonOf(map) : PolygonOf(*outline);
  if (const Status polygon = WritePolygon(*dataset, format, map.figures, srs, *geometry); !polygon)
    return polygon;
  if (format.corner_placemarks) {
    if (const Status written = WriteCorners(*dataset, srs, *corners); !written)
      return written;
  }
  dataset.reset();
  if (CPLGetLastErrorType() >= CE_Failure)
    return GdalError("The file \"" + Utf8ToCp1252(path) + "\" was not written whole");
  return Ok();
}

}  // namespace tw
