#include "landxml/landxml_reader.h"

#include <pugixml.hpp>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <unordered_map>
#include <utility>

#include "base/numbers.h"
#include "files/text_encoding.h"
#include "location/location.h"

namespace tw {
namespace {

// Offsets to line numbers. Asked mostly in file order, so it counts on from
// the last offset asked instead of from the start each time.
class LineCounter {
 public:
  explicit LineCounter(std::string_view bytes) : bytes_(bytes) {}
  size_t LineOf(ptrdiff_t offset) {
    const size_t to = std::min(static_cast<size_t>(std::max<ptrdiff_t>(offset, 0)), bytes_.size());
    if (to < at_) {
      at_ = 0;
      line_ = 1;
    }
    line_ += static_cast<size_t>(std::count(bytes_.begin() + at_, bytes_.begin() + to, '\n'));
    at_ = to;
    return line_;
  }
  size_t LineOf(const pugi::xml_node& node) { return LineOf(node.offset_debug()); }

 private:
  std::string_view bytes_;
  size_t at_ = 0;
  size_t line_ = 1;
};

std::string AtLine(size_t line, std::string_view reason) {
  return "line " + std::to_string(line) + ": " + std::string(reason);
}

// A prefixed name ("lx:Parcel") is matched by its local part.
std::string_view LocalName(const pugi::xml_node& node) {
  const std::string_view name = node.name();
  const size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

pugi::xml_node Child(const pugi::xml_node& parent, std::string_view local) {
  for (pugi::xml_node c = parent.first_child(); c; c = c.next_sibling())
    if (c.type() == pugi::node_element && LocalName(c) == local)
      return c;
  return {};
}

// The deepest element nesting and any document type node, found without
// recursion so that the depth itself cannot exhaust the stack.
Status CheckShape(const pugi::xml_document& doc, LineCounter& lines) {
  int depth = 0;
  pugi::xml_node node = doc.first_child();
  while (node) {
    if (node.type() == pugi::node_doctype)
      return Error{AtLine(lines.LineOf(node),
                          "the file declares a document type (DOCTYPE), which LandXML does not "
                          "use; it is not read, so that no entity in it is expanded")};
    if (node.first_child()) {
      if (++depth > kLandXmlMostDepth)
        return Error{AtLine(lines.LineOf(node), "elements are nested deeper than " +
                                                    std::to_string(kLandXmlMostDepth) + " levels")};
      node = node.first_child();
      continue;
    }
    while (node && !node.next_sibling()) {
      node = node.parent();
      --depth;
    }
    if (node)
      node = node.next_sibling();
  }
  return Ok();
}

struct UnitName {
  std::string_view name;
  double factor;  // to feet or metres, or their squares
};

constexpr std::array<UnitName, 4> kImperialLinear = {
    {{"foot", 1}, {"USSurveyFoot", 1}, {"inch", 1.0 / 12}, {"mile", 5280}}};
constexpr std::array<UnitName, 4> kMetricLinear = {
    {{"meter", 1}, {"millimeter", 0.001}, {"centimeter", 0.01}, {"kilometer", 1000}}};
constexpr std::array<UnitName, 4> kImperialArea = {
    {{"squareFoot", 1}, {"acre", 43560}, {"squareInch", 1.0 / 144}, {"squareMiles", 27878400}}};
constexpr std::array<UnitName, 4> kMetricArea = {{{"squareMeter", 1},
                                                  {"hectare", 10000},
                                                  {"squareMillimeter", 1e-6},
                                                  {"squareCentimeter", 1e-4}}};

struct Units {
  ParcelUnits parcel;
  double linear = 1;
  double area = 1;
};

Result<double> UnitFactor(const pugi::xml_node& system, const char* attribute,
                          const std::array<UnitName, 4>& names, LineCounter& lines) {
  const pugi::xml_attribute a = system.attribute(attribute);
  const std::string system_name(LocalName(system));
  if (!a)
    return Error{AtLine(lines.LineOf(system), system_name + " has no " + attribute)};
  for (const UnitName& n : names)
    if (n.name == a.value())
      return n.factor;
  return Error{AtLine(lines.LineOf(system), std::string(attribute) + " \"" +
                                                Utf8ToCp1252(a.value()) + "\" is not an " +
                                                system_name + " unit")};
}

Result<Units> ReadUnits(const pugi::xml_node& root, LineCounter& lines) {
  const pugi::xml_node units = Child(root, "Units");
  if (!units)
    return Error{"the file declares no Units, so the unit of its coordinates is not known"};
  const pugi::xml_node imperial = Child(units, "Imperial");
  const pugi::xml_node system = imperial ? imperial : Child(units, "Metric");
  if (!system)
    return Error{AtLine(lines.LineOf(units), "Units holds neither Imperial nor Metric")};
  const bool is_imperial = static_cast<bool>(imperial);
  const Result<double> linear =
      UnitFactor(system, "linearUnit", is_imperial ? kImperialLinear : kMetricLinear, lines);
  if (!linear)
    return Error{linear.error()};
  const Result<double> area =
      UnitFactor(system, "areaUnit", is_imperial ? kImperialArea : kMetricArea, lines);
  if (!area)
    return Error{area.error()};
  Units u;
  u.parcel.system = is_imperial ? UnitSystem::Imperial : UnitSystem::Metric;
  u.parcel.us_survey_foot =
      is_imperial && std::string_view(system.attribute("linearUnit").value()) == "USSurveyFoot";
  u.linear = *linear;
  u.area = *area;
  return u;
}

// The schema leaves the code's form open: a bare number, or one after
// "EPSG:" as PROJ writes it. Anything else names no code the program can use.
std::optional<int> EpsgCodeOf(std::string_view code) {
  if (code.starts_with("EPSG:") || code.starts_with("epsg:"))
    code.remove_prefix(5);
  return EpsgNumberOf(code);
}

// XML's white space, which may part the numbers of a point's text.
constexpr bool IsXmlSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The word of `text` from `i` on, past white space; `i` moves past it. Empty
// at the end.
std::string_view NextWord(std::string_view text, size_t& i) {
  while (i < text.size() && IsXmlSpace(text[i]))
    ++i;
  const size_t from = i;
  while (i < text.size() && !IsXmlSpace(text[i]))
    ++i;
  return text.substr(from, i - from);
}

// The white-space-separated words of a text.
std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  size_t i = 0;
  for (std::string_view w = NextWord(text, i); !w.empty(); w = NextWord(text, i))
    words.push_back(w);
  return words;
}

// An xs:double as a boundary number; the schema also allows a leading "+".
bool ReadDouble(std::string_view word, double& value) {
  if (!word.empty() && word.front() == '+')
    word.remove_prefix(1);
  return ConvertStrictTo(word, value);
}

// "northing easting [elevation]", scaled to the program's unit.
std::optional<PlanePoint> PointOfText(std::string_view text, double scale) {
  // Up to four words, without a vector: every point of a large file is read.
  std::array<double, 4> numbers{};
  size_t count = 0;
  size_t i = 0;
  for (std::string_view w = NextWord(text, i); !w.empty(); w = NextWord(text, i)) {
    if (count == numbers.size() || !ReadDouble(w, numbers[count]))
      return std::nullopt;
    ++count;
  }
  if (count < 2 || count > 3)
    return std::nullopt;
  const double north = numbers[0];
  const double east = numbers[1];
  const PlanePoint p{east * scale, north * scale};
  // A unit larger than the program's could scale a number past what an
  // entry can hold.
  if (!IsBoundaryNumber(p.east) || !IsBoundaryNumber(p.north))
    return std::nullopt;
  return p;
}

bool HasText(std::string_view text) {
  return std::any_of(text.begin(), text.end(), [](char c) { return !IsXmlSpace(c); });
}

class ParcelReader {
 public:
  ParcelReader(const pugi::xml_node& root, const Units& units, LineCounter& lines)
      : root_(root), units_(units), lines_(lines) {}

  Parcel Read(const pugi::xml_node& parcel) {
    Parcel p;
    p.line = lines_.LineOf(parcel);
    p.name = parcel.attribute("name").value();
    const Status read = ReadInto(parcel, p);
    if (!read)
      p.refusal =
          "The parcel \"" + Utf8ToCp1252(p.name) + "\" cannot be imported: " + read.error() + ".";
    return p;
  }

  static pugi::xml_node NextInDocument(pugi::xml_node n, const pugi::xml_node& root) {
    if (n.first_child())
      return n.first_child();
    while (n && n != root && !n.next_sibling())
      n = n.parent();
    return n && n != root ? n.next_sibling() : pugi::xml_node();
  }

 private:
  Status ReadInto(const pugi::xml_node& parcel, Parcel& p) {
    if (!parcel.attribute("name"))
      return Error{AtLine(p.line, "it has no name")};
    if (const pugi::xml_attribute area = parcel.attribute("area")) {
      // Only stated, never computed with: any finite xs:double will do.
      const std::string_view text = area.value();
      const std::string_view number = text.substr(text.starts_with('+') ? 1 : 0);
      double value = 0;
      const auto [end, error] =
          std::from_chars(number.data(), number.data() + number.size(), value);
      if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(value))
        return Error{AtLine(p.line, "its area is not a number")};
      p.stated_area = value * units_.area;
    }
    for (pugi::xml_node geom = parcel.first_child(); geom; geom = geom.next_sibling()) {
      if (geom.type() != pugi::node_element || LocalName(geom) != "CoordGeom")
        continue;
      for (pugi::xml_node e = geom.first_child(); e; e = e.next_sibling()) {
        if (e.type() != pugi::node_element || LocalName(e) == "Feature")
          continue;
        ++p.element_count;
        const Status read = ReadElement(e, p);
        if (!read)
          return read;
      }
    }
    return Chain(p);
  }

  std::string Where(const Parcel& p, size_t line) const {
    return "segment " + std::to_string(p.element_count) + " (line " + std::to_string(line) + ")";
  }

  Status ReadElement(const pugi::xml_node& e, Parcel& p) {
    const std::string_view kind = LocalName(e);
    const size_t line = lines_.LineOf(e);
    if (kind == "Spiral" || kind == "IrregularLine") {
      const char* what = kind == "Spiral" ? "a spiral" : "an irregular line";
      return Error{Where(p, line) + " is " + what + ", which no entry of the program can hold"};
    }
    if (kind == "Chain")
      return ReadChain(e, p, line);
    if (kind != "Line" && kind != "Curve")
      return Error{Where(p, line) + " is a " + Utf8ToCp1252(e.name()) +
                   ", which LandXML does not allow in CoordGeom"};
    ParcelSegment s;
    s.line = line;
    s.kind = kind == "Line" ? SegmentKind::Line : SegmentKind::Curve;
    if (s.kind == SegmentKind::Curve) {
      const std::string_view rot = e.attribute("rot").value();
      if (rot != "cw" && rot != "ccw")
        return Error{Where(p, line) + ": a Curve's rot must be \"cw\" or \"ccw\""};
      s.clockwise = rot == "cw";
      if (const Status c = ReadPoint(e, "Center", s.center, p, line); !c)
        return c;
    }
    if (const Status a = ReadPoint(e, "Start", s.start, p, line); !a)
      return a;
    if (const Status b = ReadPoint(e, "End", s.end, p, line); !b)
      return b;
    p.segments.push_back(s);
    return Ok();
  }

  Status ReadChain(const pugi::xml_node& e, Parcel& p, size_t line) {
    const std::vector<std::string_view> names = Words(e.child_value());
    if (names.size() < 2)
      return Error{Where(p, line) + ": a Chain names fewer than two points"};
    PlanePoint before;
    for (size_t i = 0; i < names.size(); ++i) {
      const Result<const PlanePoint*> found = FindPoint(std::string(names[i]));
      if (!found)
        return Error{found.error()};
      if (*found == nullptr)
        return Error{Where(p, line) + ": no CgPoint is named \"" +
                     Utf8ToCp1252(std::string(names[i])) + "\""};
      if (i > 0)
        p.segments.push_back({SegmentKind::Line, before, **found, {}, false, line});
      before = **found;
    }
    return Ok();
  }

  // The text wins over the pntRef, as the schema says.
  Status ReadPoint(const pugi::xml_node& e, std::string_view child, PlanePoint& out,
                   const Parcel& p, size_t line) {
    const pugi::xml_node n = Child(e, child);
    // Built only for a message: a good point costs no string.
    auto what = [&] { return Where(p, line) + ": its " + std::string(child); };
    if (!n)
      return Error{what() + " is missing"};
    const std::string_view text = n.child_value();
    if (HasText(text)) {
      const std::optional<PlanePoint> point = PointOfText(text, units_.linear);
      if (!point)
        return Error{what() + " does not hold two or three numbers"};
      out = *point;
      return Ok();
    }
    const pugi::xml_attribute ref = n.attribute("pntRef");
    if (!ref)
      return Error{what() + " has neither coordinates nor a pntRef"};
    const Result<const PlanePoint*> found = FindPoint(ref.value());
    if (!found)
      return Error{found.error()};
    if (*found == nullptr)
      return Error{what() + " refers to \"" + Utf8ToCp1252(ref.value()) +
                   "\", which no CgPoint with coordinates is named"};
    out = **found;
    return Ok();
  }

  // Turns segments written the other way round to run on from the one
  // before (some programs write a parcel's sides as they drew them), then
  // requires each to start where the one before ends.
  Status Chain(Parcel& p) const {
    std::vector<ParcelSegment>& s = p.segments;
    double perimeter = 0;
    for (const ParcelSegment& segment : s) {
      if (segment.kind == SegmentKind::Curve && (RadiusOf(segment) == 0 || DeltaOf(segment) == 0))
        return Error{"the curve at line " + std::to_string(segment.line) +
                     " has no radius or no length"};
      perimeter += LengthOf(segment);
    }
    auto meets = [perimeter](PlanePoint a, PlanePoint b) { return PointsMeet(a, b, perimeter); };
    if (s.size() >= 2 && !meets(s[0].end, s[1].start) && !meets(s[0].end, s[1].end) &&
        (meets(s[0].start, s[1].start) || meets(s[0].start, s[1].end)))
      Reverse(s[0]);
    for (size_t i = 1; i < s.size(); ++i) {
      if (!meets(s[i - 1].end, s[i].start) && meets(s[i - 1].end, s[i].end))
        Reverse(s[i]);
      if (!meets(s[i - 1].end, s[i].start))
        return Error{"the segment at line " + std::to_string(s[i].line) +
                     " does not start where the one before it ends"};
    }
    p.closed = !s.empty() && meets(s.back().end, s.front().start);
    return Ok();
  }

  // Every CgPoint with coordinates, by name; the first of a name holds.
  Status CollectPoints() {
    for (pugi::xml_node n = root_.first_child(); n;) {
      if (n.type() == pugi::node_element && LocalName(n) == "CgPoint") {
        const std::string_view text = n.child_value();
        if (HasText(text)) {
          const std::optional<PlanePoint> p = PointOfText(text, units_.linear);
          if (!p)
            return Error{AtLine(lines_.LineOf(n), "the CgPoint \"" +
                                                      Utf8ToCp1252(n.attribute("name").value()) +
                                                      "\" does not hold two or three numbers")};
          points_.emplace(n.attribute("name").value(), *p);
        }
      }
      n = NextInDocument(n, root_);
    }
    return Ok();
  }

  // The CgPoints are read at the first reference to one: a file whose
  // segments all give their coordinates as text never builds the table.
  // nullptr when no CgPoint with coordinates has the name.
  Result<const PlanePoint*> FindPoint(const std::string& name) {
    if (!points_read_)
      points_read_ = CollectPoints();
    if (!*points_read_)
      return Error{points_read_->error()};
    const auto found = points_.find(name);
    return found == points_.end() ? nullptr : &found->second;
  }

  static void Reverse(ParcelSegment& s) {
    std::swap(s.start, s.end);
    s.clockwise = !s.clockwise;
  }

  pugi::xml_node root_;
  const Units& units_;
  LineCounter& lines_;
  std::optional<Status> points_read_;
  std::unordered_map<std::string, PlanePoint> points_;
};

bool HasGeometry(const pugi::xml_node& parcel) {
  return static_cast<bool>(Child(parcel, "CoordGeom"));
}

}  // namespace

Result<LandXmlFile> ReadLandXml(std::string_view bytes) {
  if (bytes.size() > kLandXmlMostBytes)
    return Error{"the file is larger than " + std::to_string(kLandXmlMostBytes >> 20) +
                 " MB, more than any parcel needs"};
  LineCounter lines(bytes);
  pugi::xml_document doc;
  const pugi::xml_parse_result parsed =
      doc.load_buffer(bytes.data(), bytes.size(), pugi::parse_default | pugi::parse_doctype);
  if (!parsed)
    return Error{AtLine(lines.LineOf(parsed.offset), parsed.description())};
  if (const Status shape = CheckShape(doc, lines); !shape)
    return Error{shape.error()};
  const pugi::xml_node root = doc.document_element();
  if (LocalName(root) != "LandXML")
    return Error{AtLine(lines.LineOf(root),
                        "the root element is " + Utf8ToCp1252(root.name()) + ", not LandXML")};
  const Result<Units> units = ReadUnits(root, lines);
  if (!units)
    return Error{units.error()};
  LandXmlFile file;
  file.units = units->parcel;
  if (const pugi::xml_node crs = Child(root, "CoordinateSystem")) {
    file.epsg = EpsgCodeOf(crs.attribute("epsgCode").value());
  }
  ParcelReader reader(root, *units, lines);
  for (pugi::xml_node n = root.first_child(); n; n = ParcelReader::NextInDocument(n, root)) {
    if (n.type() == pugi::node_element && LocalName(n) == "Parcel" && HasGeometry(n))
      file.parcels.push_back(reader.Read(n));
  }
  return file;
}

}  // namespace tw
