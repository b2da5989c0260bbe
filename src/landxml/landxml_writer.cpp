#include "landxml/landxml_writer.h"

#include <pugixml.hpp>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "base/angle_constant.h"
#include "base/entry_mode.h"
#include "base/numbers.h"
#include "base/units.h"
#include "files/text_encoding.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"
#include "landxml/parcel.h"

namespace tw {
namespace {

constexpr const char* kNamespace = "http://www.landxml.org/schema/LandXML-1.2";
constexpr const char* kTooLargeForGrid =
    "The boundary's grid coordinates are too large for a LandXML file.";

// One side of the parcel between two corners, by their index: a line, or
// the arc of a curve entry.
struct Side {
  size_t from = 0;
  size_t to = 0;
  std::optional<CurveElements> arc;
};

struct Outline {
  std::vector<PlanePoint> corners;
  std::vector<Side> sides;
  double area = 0;
};

PlanePoint CentreOf(PlanePoint start, const CurveElements& e) {
  return {start.east + e.to_centre.east, start.north + e.to_centre.north};
}

// What the reader takes back: coordinates an entry could hold.
bool Fits(PlanePoint p) {
  return IsBoundaryNumber(p.east) && IsBoundaryNumber(p.north);
}

Result<Outline> OutlineOf(const EntryTexts& entries, const ProgramState& state) {
  const EntryKind kind = IsPointMode(state.EntryMode) ? EntryKind::Point : EntryKind::Angle;
  const PlanePoint start{state.FirstPointX, state.FirstPointY};
  Outline o;
  o.corners.push_back(start);
  CornerSums sums(start);
  double perimeter = 0;
  bool fits = true;
  const std::optional<UnreadableEntry> stop =
      WalkEntries(entries, kind, start, [&](const CornerStep& s) {
        sums.Add(s);
        const PlanePoint last = o.corners.back();
        if (!s.is_curve && s.corner.east == last.east && s.corner.north == last.north)
          return;
        perimeter += s.is_curve
                         ? s.arc.arc
                         : std::hypot(s.corner.east - last.east, s.corner.north - last.north);
        o.sides.push_back({o.corners.size() - 1, o.corners.size(),
                           s.is_curve ? std::optional<CurveElements>(s.arc) : std::nullopt});
        o.corners.push_back(s.corner);
        fits = fits && Fits(s.corner) && (!s.is_curve || Fits(CentreOf(last, s.arc)));
      });
  if (stop)
    return Error{stop->message};
  if (!fits)
    return Error{"The boundary reaches coordinates too large for a LandXML file."};
  if (o.sides.empty())
    return Error{"The boundary has no side to export."};
  o.area = sums.Close().area;
  const PlanePoint last = o.corners.back();
  if (last.east == start.east && last.north == start.north) {
    o.corners.pop_back();
    o.sides.back().to = 0;
  } else if (!PointsMeet(last, start, perimeter)) {
    o.sides.push_back({o.corners.size() - 1, 0, std::nullopt});
  }
  return o;
}

// Where the file puts a point of the list's plane, and what a length there
// becomes.
struct Placement {
  const LandXmlGrid* grid = nullptr;
  PlanePoint start;

  PlanePoint At(PlanePoint p) const { return grid ? GridOf(grid->location, start, p) : p; }
  double Length(double v) const { return grid ? v * grid->location.scale : v; }
  double Area(double v) const { return Length(Length(v)); }
};

void SetNumber(pugi::xml_attribute a, double v) {
  a.set_value(PlainForm(v).c_str());
}

std::string PointText(PlanePoint p) {
  std::string text;
  AppendPlainForm(text, p.north);
  text += ' ';
  AppendPlainForm(text, p.east);
  return text;
}

void AddUnits(pugi::xml_node root, UnitSystem system, bool us_survey_foot) {
  const bool imperial = system == UnitSystem::Imperial;
  pugi::xml_node u = root.append_child("Units").append_child(imperial ? "Imperial" : "Metric");
  u.append_attribute("areaUnit") = imperial ? "squareFoot" : "squareMeter";
  u.append_attribute("linearUnit") = !imperial ? "meter" : us_survey_foot ? "USSurveyFoot" : "foot";
  u.append_attribute("volumeUnit") = imperial ? "cubicFeet" : "cubicMeter";
  u.append_attribute("temperatureUnit") = imperial ? "fahrenheit" : "celsius";
  u.append_attribute("pressureUnit") = imperial ? "inHG" : "HPA";
  // Both default to radians.
  u.append_attribute("angularUnit") = "decimal degrees";
  u.append_attribute("directionUnit") = "decimal degrees";
}

void AddCoordinateSystem(pugi::xml_node root, const LandXmlGrid& grid) {
  pugi::xml_node crs = root.append_child("CoordinateSystem");
  if (!grid.name.empty())
    crs.append_attribute("name") = grid.name.c_str();
  crs.append_attribute("epsgCode") = std::to_string(grid.location.epsg).c_str();
}

void AddEnd(pugi::xml_node parent, const char* name, const std::vector<std::string>& names,
            const std::vector<std::string>& texts, size_t corner) {
  pugi::xml_node n = parent.append_child(name);
  n.append_attribute("pntRef") = names[corner].c_str();
  n.text().set(texts[corner].c_str());
}

struct StringWriter : pugi::xml_writer {
  std::string out;
  void write(const void* data, size_t size) override {
    out.append(static_cast<const char*>(data), size);
  }
};

// XML 1.0 has no place for control characters, which a file name can hold.
std::string XmlText(std::string_view cp1252) {
  std::string text = Cp1252ToUtf8(cp1252);
  for (char& c : text)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
      c = '?';
  return text;
}

std::string TwoDigits(int v) {
  return {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

}  // namespace

LandXmlStamp StampOf(const char* source_date_epoch, std::time_t now) {
  std::tm t{};
  std::int64_t seconds = -1;
  if (source_date_epoch != nullptr) {
    const std::string_view text(source_date_epoch);
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
    if (error != std::errc() || end != text.data() + text.size() || text.empty())
      seconds = -1;
  }
  if (seconds >= 0) {
    const std::time_t fixed = static_cast<std::time_t>(seconds);
    gmtime_r(&fixed, &t);
  } else {
    localtime_r(&now, &t);
  }
  return {
      std::to_string(t.tm_year + 1900) + "-" + TwoDigits(t.tm_mon + 1) + "-" + TwoDigits(t.tm_mday),
      TwoDigits(t.tm_hour) + ":" + TwoDigits(t.tm_min) + ":" + TwoDigits(t.tm_sec)};
}

LandXmlStamp StampNow() {
  return StampOf(std::getenv("SOURCE_DATE_EPOCH"), std::time(nullptr));
}

Result<std::string> LandXmlBytes(const EntryTexts& entries, const ProgramState& state,
                                 const LandXmlParcelInfo& info) {
  const UnitRecord* unit = UnitRecordFor(state.UnitAbbrev);
  if (unit == nullptr)
    return Error{"The unit \"" + state.UnitAbbrev + "\" is neither feet nor metres."};
  const Result<Outline> outline = OutlineOf(entries, state);
  if (!outline)
    return Error{outline.error()};
  const Placement place{info.grid ? &*info.grid : nullptr, {state.FirstPointX, state.FirstPointY}};
  std::vector<std::string> names;
  std::vector<std::string> texts;
  names.reserve(outline->corners.size());
  texts.reserve(outline->corners.size());
  for (size_t i = 0; i < outline->corners.size(); ++i) {
    const PlanePoint p = place.At(outline->corners[i]);
    if (!Fits(p))
      return Error{kTooLargeForGrid};
    names.push_back(std::to_string(i + 1));
    texts.push_back(PointText(p));
  }

  pugi::xml_document doc;
  pugi::xml_node decl = doc.append_child(pugi::node_declaration);
  decl.append_attribute("version") = "1.0";
  decl.append_attribute("encoding") = "UTF-8";
  pugi::xml_node root = doc.append_child("LandXML");
  root.append_attribute("xmlns") = kNamespace;
  root.append_attribute("version") = "1.2";
  root.append_attribute("date") = info.stamp.date.c_str();
  root.append_attribute("time") = info.stamp.time.c_str();
  AddUnits(root, unit->system, info.grid && info.grid->us_survey_foot);
  if (info.grid)
    AddCoordinateSystem(root, *info.grid);
  pugi::xml_node points = root.append_child("CgPoints");
  for (size_t i = 0; i < names.size(); ++i) {
    pugi::xml_node p = points.append_child("CgPoint");
    p.append_attribute("name") = names[i].c_str();
    p.text().set(texts[i].c_str());
  }
  pugi::xml_node parcel = root.append_child("Parcels").append_child("Parcel");
  parcel.append_attribute("name") = XmlText(info.name).c_str();
  SetNumber(parcel.append_attribute("area"), place.Area(outline->area));
  pugi::xml_node geom = parcel.append_child("CoordGeom");
  for (const Side& side : outline->sides) {
    if (!side.arc) {
      pugi::xml_node line = geom.append_child("Line");
      AddEnd(line, "Start", names, texts, side.from);
      AddEnd(line, "End", names, texts, side.to);
      continue;
    }
    const CurveElements& e = *side.arc;
    pugi::xml_node curve = geom.append_child("Curve");
    curve.append_attribute("rot") = e.side == CurveSide::Right ? "cw" : "ccw";
    SetNumber(curve.append_attribute("radius"), place.Length(e.radius));
    SetNumber(curve.append_attribute("length"), place.Length(e.arc));
    // In the declared decimal degrees, by the program's own angle constant.
    SetNumber(curve.append_attribute("delta"), e.delta * 180 / kAngleConstant);
    SetNumber(curve.append_attribute("chord"), place.Length(e.chord));
    AddEnd(curve, "Start", names, texts, side.from);
    const PlanePoint centre = place.At(CentreOf(outline->corners[side.from], e));
    if (!Fits(centre))
      return Error{kTooLargeForGrid};
    curve.append_child("Center").text().set(PointText(centre).c_str());
    AddEnd(curve, "End", names, texts, side.to);
  }
  StringWriter writer;
  doc.save(writer, "  ", pugi::format_default, pugi::encoding_utf8);
  return std::move(writer.out);
}

}  // namespace tw
