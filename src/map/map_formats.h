// The map formats, one row each: what the batch command and the window's
// chooser offer, and what the map program writes them with. No GDAL here:
// the window reads this table without loading it.
#pragma once

#include <array>
#include <string_view>

namespace tw {

struct MapFormatRow {
  std::string_view key;        // the batch command's FORMAT
  std::string_view title;      // the window's chooser
  std::string_view extension;  // with its dot
  std::string_view driver;     // GDAL's driver name
  // True where the format holds WGS 84 longitude and latitude; the others
  // keep the grid coordinates in the projected CRS.
  bool lon_lat;
  bool corner_placemarks;  // the corners as named points (Google Earth)
  // True where curves stay true arcs; the others take them as polylines.
  bool arcs;
  // True where the driver tells the file's kind by its name's extension.
  bool named_by_extension;
  // True where the file comes with others of its name (.shx, .dbf...), which
  // only the driver knows and an older map must not leave behind.
  bool companion_files;
};

inline constexpr std::array<MapFormatRow, 5> kMapFormats{{
    {"geojson", "GeoJSON (*.geojson)", ".geojson", "GeoJSON", true, false, false, false, false},
    {"kml", "KML for Google Earth (*.kml)", ".kml", "KML", true, true, false, false, false},
    {"kmz", "KMZ for Google Earth (*.kmz)", ".kmz", "LIBKML", true, true, false, true, false},
    {"gpkg", "GeoPackage (*.gpkg)", ".gpkg", "GPKG", false, false, true, false, false},
    {"shp", "Shapefile (*.shp)", ".shp", "ESRI Shapefile", false, false, false, true, true},
}};

inline constexpr const char* kNoLocation =
    "The boundary has no location: set a location first (File > Location...), or give "
    "--location \"EPSG:CODE N E\".";

constexpr const MapFormatRow* MapFormatNamed(std::string_view key) {
  for (const MapFormatRow& row : kMapFormats) {
    if (row.key == key)
      return &row;
  }
  return nullptr;
}

}  // namespace tw
