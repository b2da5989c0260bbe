// Reading the parcels of a LandXML 1.2 file.
//
// Coordinates are read from a point's text ("northing easting" or with an
// elevation, which is dropped) or, when it has no text, from the CgPoint its
// pntRef names. Lines, curves and chains of point names become segments;
// irregular lines and spirals, which no entry of the program can hold, leave
// their parcel listed but refused. A curve's radius, length and delta
// attributes are not read: its Start, Center and End govern.
//
// A hostile file is refused before it costs more than its own size a few
// times over: above kLandXmlMostBytes, nested deeper than kLandXmlMostDepth,
// or declaring a document type (the only place entities could be declared).
// Nothing outside the bytes is ever read.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "landxml/parcel.h"

namespace tw {

inline constexpr size_t kLandXmlMostBytes = size_t{256} << 20;
inline constexpr int kLandXmlMostDepth = 64;

struct LandXmlFile {
  ParcelUnits units;
  // CoordinateSystem's epsgCode, when it names one ("2248" or "EPSG:2248").
  std::optional<int> epsg;
  std::vector<Parcel> parcels;  // those with geometry, in file order
};

// Fails when the bytes are not well-formed XML, are refused as hostile, have
// another root than LandXML, or declare no Units (or units the schema does
// not name); the reason (Windows-1252) starts with "line N: " where a line
// can be named.
Result<LandXmlFile> ReadLandXml(std::string_view bytes);

}  // namespace tw
