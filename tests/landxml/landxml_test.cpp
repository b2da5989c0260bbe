#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>

#include "doubles/entry_lists.h"
#include "geometry/traverse.h"
#include "landxml/landxml_commands.h"
#include "landxml/landxml_writer.h"
#include "landxml/parcel_boundary.h"

namespace tw {
namespace {

const std::string kFeet =
    R"(<Imperial areaUnit="squareFoot" linearUnit="foot" volumeUnit="cubicFeet" )"
    R"(temperatureUnit="fahrenheit" pressureUnit="inHG"/>)";
const std::string kMetres =
    R"(<Metric areaUnit="squareMeter" linearUnit="meter" volumeUnit="cubicMeter" )"
    R"(temperatureUnit="celsius" pressureUnit="HPA"/>)";

std::string Doc(const std::string& units, const std::string& body) {
  return "<?xml version=\"1.0\"?>\n<LandXML version=\"1.2\" date=\"2026-01-01\" "
         "time=\"00:00:00\">\n<Units>" +
         units + "</Units>\n" + body + "\n</LandXML>\n";
}

std::string OneParcel(const std::string& units, const std::string& area,
                      const std::string& geometry, const std::string& points = "") {
  return Doc(units, "<CgPoints>" + points + "</CgPoints>\n<Parcels><Parcel name=\"Lot 7\" area=\"" +
                        area + "\"><CoordGeom>\n" + geometry + "\n</CoordGeom></Parcel></Parcels>");
}

std::string Line(const std::string& from, const std::string& to) {
  return "<Line><Start>" + from + "</Start><End>" + to + "</End></Line>\n";
}

// The boundary a file's only parcel becomes, or the reason it does not.
Result<ParcelBoundary> Import(const std::string& bytes) {
  const Result<LandXmlFile> file = ReadLandXml(bytes);
  if (!file)
    return Error{file.error()};
  const Result<size_t> index = ParcelToImport(*file, std::nullopt);
  if (!index)
    return Error{index.error()};
  return BoundaryOfParcel(file->parcels[*index], file->units, file->epsg);
}

double AreaOf(const ParcelBoundary& b) {
  EntryList list;
  list.Replace(b.entries);
  ProgramState state;
  state.FirstPointX = b.header.FirstPointX;
  state.FirstPointY = b.header.FirstPointY;
  state.EntryMode = b.header.EntryMode;
  return ComputeArea(list, state).value();
}

// A 100 x 50 rectangle in several styles, each stating its own area.
TEST(LandXmlImport, FilesOfOtherProgramsImportWithTheAreaTheyState) {
  const std::string abcd = R"(<CgPoint name="A">0 0</CgPoint><CgPoint name="B">0 100</CgPoint>)"
                           R"(<CgPoint name="C">50 100</CgPoint><CgPoint name="D">50 0</CgPoint>)";
  auto ref = [](const char* a, const char* b) {
    return std::string("<Line><Start pntRef=\"") + a + "\"/><End pntRef=\"" + b + "\"/></Line>";
  };
  auto arc = [](const char* rot, const char* from, const char* centre, const char* to) {
    return std::string("<Curve rot=\"") + rot + "\"><Start>" + from + "</Start><Center>" + centre +
           "</Center><End>" + to + "</End></Curve>";
  };
  // The lot of 60 by 120 with a corner rounded to 20 ft: 7000 + 100 pi - 200;
  // its curve's radius attribute is 3 mm off, and the coordinates govern.
  const std::string rounded_cw = Line("0 0", "120 0") + Line("120 0", "120 40") +
                                 "<Curve rot=\"cw\" radius=\"20.003\"><Start>120 40</Start>"
                                 "<Center>100 40</Center><End>100 60</End></Curve>" +
                                 Line("100 60", "0 60") + Line("0 60", "0 0");
  const std::string rounded_ccw = Line("0 0", "0 60") + Line("0 60", "100 60") +
                                  arc("ccw", "100 60", "100 40", "120 40") +
                                  Line("120 40", "120 0") + Line("120 0", "0 0");
  struct Case {
    const char* style;
    std::string bytes;
    double area;
    const char* unit;
    const char* mode = "Point";
  };
  const Case cases[] = {
      {"point references, counter-clockwise",
       OneParcel(kFeet, "5000", ref("A", "B") + ref("B", "C") + ref("C", "D") + ref("D", "A"),
                 abcd),
       5000, "LF"},
      {"text with elevations, clockwise, metres",
       OneParcel(kMetres, "5000",
                 Line("0 0 1", "50 0 1") + Line("50 0", "50 100") + Line("50 100", "0 100") +
                     Line("0 100 2.5", "0 0")),
       5000, "m."},
      {"text wins over a pntRef naming another point",
       OneParcel(kFeet, "5000",
                 "<Line><Start pntRef=\"C\">0 0</Start><End>0 100</End></Line>" +
                     Line("0 100", "50 100") + Line("50 100", "50 0") + Line("50 0", "0 0"),
                 abcd),
       5000, "LF"},
      {"a side written the other way round",
       OneParcel(kFeet, "5000",
                 Line("0 100", "0 0") + Line("0 100", "50 100") + Line("50 100", "50 0") +
                     Line("50 0", "0 0")),
       5000, "LF"},
      {"a chain of point names", OneParcel(kFeet, "5000", "<Chain>A B C D A</Chain>", abcd), 5000,
       "LF"},
      {"millimetres and hectares",
       OneParcel(R"(<Metric areaUnit="hectare" linearUnit="millimeter" volumeUnit="cubicMeter" )"
                 R"(temperatureUnit="celsius" pressureUnit="HPA"/>)",
                 "0.5",
                 Line("0 0", "0 100000") + Line("0 100000", "50000 100000") +
                     Line("50000 100000", "50000 0") + Line("50000 0", "0 0")),
       5000, "m."},
      {"a corner rounded, clockwise", OneParcel(kFeet, "7114.1593", rounded_cw),
       7000 + 100 * std::numbers::pi - 200, "LF", "Surveyor"},
      {"the same counter-clockwise", OneParcel(kFeet, "7114.1593", rounded_ccw),
       7000 + 100 * std::numbers::pi - 200, "LF", "Surveyor"},
      {"a half circle biting into a square, metres",
       OneParcel(kMetres, "6073.0092",
                 Line("0 0", "0 100") + Line("0 100", "100 100") +
                     arc("cw", "100 100", "100 50", "100 0") + Line("100 0", "0 0")),
       10000 - 1250 * std::numbers::pi, "m.", "Surveyor"},
      {"a circle cut by a chord: an arc over 180 degrees",
       OneParcel(kMetres, "269.4297", Line("-6 -8", "-6 8") + arc("ccw", "-6 8", "0 0", "-6 -8")),
       100 * std::numbers::pi - 50 * (2 * std::acos(0.6) - 0.96), "m.", "Surveyor"},
      {"a full circle of two half circles",
       OneParcel(kFeet, "314.1593",
                 arc("ccw", "0 10", "0 0", "0 -10") + arc("ccw", "0 -10", "0 0", "0 10")),
       100 * std::numbers::pi, "LF", "Surveyor"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.style);
    const Result<ParcelBoundary> b = Import(c.bytes);
    ASSERT_TRUE(b) << b.error();
    EXPECT_EQ(b->header.UnitAbbrev, c.unit);
    EXPECT_EQ(b->header.EntryMode, c.mode);
    // Calls rounded to the second and to 0.0001 keep the area to a millionth.
    EXPECT_NEAR(AreaOf(*b), c.area, c.area * 1e-6);
    EXPECT_EQ(b->rounded_closure.has_value(), std::string_view(c.mode) == "Surveyor");
    const Result<LandXmlFile> file = ReadLandXml(c.bytes);
    EXPECT_NEAR(*file->parcels[0].stated_area, c.area, 1e-4);
  }
}

TEST(LandXmlImport, RefusesWhatItCannotReadNamingWhere) {
  const std::string square =
      Line("0 0", "0 10") + Line("0 10", "10 10") + Line("10 10", "10 0") + Line("10 0", "0 0");
  std::string deep = Doc(kFeet, "");
  for (int i = 0; i <= kLandXmlMostDepth; ++i)
    deep.insert(deep.rfind("</LandXML>"), "<Feature>");
  for (int i = 0; i <= kLandXmlMostDepth; ++i)
    deep.insert(deep.rfind("</LandXML>"), "</Feature>");
  struct Case {
    std::string bytes;
    const char* message;
  };
  const Case cases[] = {
      {"<?xml version=\"1.0\"?><LandXML version=\"1.2\"><Parcels/></LandXML>", "declares no Units"},
      {"<?xml version=\"1.0\"?>\n<!DOCTYPE LandXML [<!ENTITY a \"aaaaaaaaaa\">]>\n" +
           OneParcel(kFeet, "1", square).substr(22),
       "line 2: the file declares a document type"},
      {deep, "nested deeper than 64"},
      {"<LandXML>\n<Units>\n</Unit></LandXML>", "line 3: "},
      {"<Other/>", "line 1: the root element is Other"},
      {Doc(R"(<Imperial areaUnit="squareFoot" linearUnit="meter"/>)", ""),
       "linearUnit \"meter\" is not an Imperial unit"},
      {OneParcel(kFeet, "1", Line("0 0", "0 10") + "\n<Spiral/>\n" + square),
       "\"Lot 7\" cannot be imported: segment 2 (line 8) is a spiral"},
      {OneParcel(kFeet, "1", "<IrregularLine/>"), "segment 1 (line 6) is an irregular line"},
      {OneParcel(kFeet, "1", Line("0 0", "0 10") + Line("0 10", "10 10")), "does not close"},
      {OneParcel(kFeet, "1", Line("0 0", "0 10") + Line("5 10", "10 10") + Line("10 10", "0 0")),
       "segment at line 7 does not start where the one before it ends"},
      {OneParcel(kFeet, "1", "<Chain>A B</Chain>", "<CgPoint name=\"A\">0 x</CgPoint>"),
       "line 4: the CgPoint \"A\" does not hold two or three numbers"},
      {OneParcel(kFeet, "1", "<Line><Start pntRef=\"Q\"/><End>0 1</End></Line>"),
       "refers to \"Q\", which no CgPoint"},
      {OneParcel(kFeet, "1", "<Line><Start>0 1 2 3</Start><End>0 1</End></Line>"),
       "its Start does not hold two or three numbers"},
      {OneParcel(kFeet, "1", "<Curve><Start>0 0</Start><Center>0 1</Center><End>0 2</End></Curve>"),
       "rot must be"},
      {OneParcel(kFeet, "1",
                 "<Curve rot=\"cw\"><Start>0 0</Start><Center>0 0.00001</Center><End>0 "
                 "0.00002</End></Curve>" +
                     Line("0 0.00002", "0 0")),
       "the curve at line 6 is too small for a call to four decimals"},
  };
  for (const Case& c : cases) {
    const Result<ParcelBoundary> b = Import(c.bytes);
    ASSERT_FALSE(b) << c.message;
    EXPECT_NE(b.error().find(c.message), std::string::npos) << b.error();
  }
}

TEST(LandXmlImport, SeveralParcelsAreNamedAndChosenByName) {
  const std::string lot = "<Parcel name=\"N\"><CoordGeom>" + Line("0 0", "0 1") +
                          Line("0 1", "1 1") + Line("1 1", "0 0") + "</CoordGeom></Parcel>";
  std::string two = lot;
  two.replace(two.find("\"N\""), 3, "\"Lot 2\"");
  const Result<LandXmlFile> file =
      ReadLandXml(Doc(kFeet, "<Parcels>" + lot + two + "<Parcel name=\"empty\"/></Parcels>"));
  ASSERT_TRUE(file) << file.error();
  ASSERT_EQ(file->parcels.size(), 2u);
  EXPECT_EQ(ParcelToImport(*file, std::nullopt).error(),
            "The file holds 2 parcels; name one with --parcel:\n  N\n  Lot 2");
  EXPECT_EQ(*ParcelToImport(*file, "Lot 2"), 1u);
  EXPECT_FALSE(ParcelToImport(*file, "Lot"));
  const ParcelRow row = RowOf(file->parcels[1], file->units);
  EXPECT_EQ(row.area, "0.50 sq ft");
  EXPECT_EQ(row.segments, 3u);
}

TEST(LandXmlImport, AFileAboveTheCapIsRefusedUnread) {
  const std::string path = testing::TempDir() + "huge.xml";
  { std::ofstream create(path); }
  std::filesystem::resize_file(path, kLandXmlMostBytes + 1);
  const Result<LandXmlFile> file = ReadLandXmlPath(path);
  std::filesystem::remove(path);
  ASSERT_FALSE(file);
  EXPECT_NE(file.error().find("larger than 256 MB"), std::string::npos) << file.error();
}

ProgramState StateOf(const char* mode, double x, double y, const char* unit = "LF") {
  ProgramState s;
  s.EntryMode = mode;
  s.FirstPointX = x;
  s.FirstPointY = y;
  s.UnitAbbrev = unit;
  return s;
}

std::string Export(const EntryTexts& entries, const ProgramState& state) {
  const Result<std::string> bytes = LandXmlBytes(entries, state, {"Lot", StampOf("0", 0)});
  EXPECT_TRUE(bytes) << bytes.error();
  return bytes ? *bytes : "";
}

// Export, import, export: the boundary and the file come back the same.
TEST(LandXmlExport, ImportedBackGivesTheSameBoundary) {
  struct Case {
    const char* what;
    std::vector<std::string> entries;
    ProgramState state;
    size_t lines;
  };
  const Case cases[] = {
      {"a point list, repeating its first corner",
       {"1520.25 , 880.5", "1600 , 880.5", "1600 , 900", "1520.25 , 880.5"},
       StateOf("Point", 1520.25, 880.5, "m."),
       3},
      {"a bearing list that misses its start: closed by a line", test::ClosureExampleEntries(),
       StateOf("Surveyor", 100, 200), 5},
      {"a lot with a tangent curve",
       {test::Cp1252("NE 00°00'00'' @120.00LF"), test::Cp1252("NE 90°00'00'' @40.00LF"),
        test::Cp1252("Curve right R 20.00LF delta 90°00'00'' tangent"),
        test::Cp1252("SE 00°00'00'' @100.00LF"), test::Cp1252("SW 90°00'00'' @60.00LF")},
       StateOf("Surveyor", 0, 0),
       4},
      {"a bearing list of two lines",
       {test::Cp1252("NE 45°00'00'' @10LF"), test::Cp1252("SE 45°00'00'' @10LF")},
       StateOf("Carpenter", 0, 0),
       3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const EntryList list = test::ListOf(c.entries);
    const std::string bytes = Export(list.Entries(), c.state);
    const Result<ParcelBoundary> b = Import(bytes);
    ASSERT_TRUE(b) << b.error();
    size_t lines = 0;
    for (size_t at = bytes.find("<Line>"); at != std::string::npos;
         at = bytes.find("<Line>", at + 1))
      ++lines;
    EXPECT_EQ(lines, c.lines);
    const double area = ComputeArea(list, c.state).value();
    EXPECT_NEAR(AreaOf(*b), area, area * 1e-6);
    ProgramState again = c.state;
    again.EntryMode = b->header.EntryMode;
    again.FirstPointX = b->header.FirstPointX;
    again.FirstPointY = b->header.FirstPointY;
    EXPECT_EQ(Import(Export(b->entries, again))->entries, b->entries);
  }
}

TEST(LandXmlExport, TheRootIsStampedAndTheNameIsXml) {
  const LandXmlStamp stamp = StampOf("1700000000", 0);
  EXPECT_EQ(stamp.date + "T" + stamp.time, "2023-11-14T22:13:20");
  EXPECT_EQ(StampOf("x", 0).date.size(), 10u);
  const EntryList square = test::ListOf({"0 , 0", "1 , 0", "1 , 1"});
  const Result<std::string> named =
      LandXmlBytes(square.Entries(), StateOf("Point", 0, 0), {"A&B\x01", stamp});
  EXPECT_EQ(ReadLandXml(*named)->parcels[0].name, "A&B?");
  ProgramState odd = StateOf("Point", 0, 0, "yd");
  EXPECT_FALSE(LandXmlBytes(test::ListOf({"1 , 1"}).Entries(), odd, {"Lot", stamp}));
}

// What the map program would say of the codes these tests use.
Result<CrsReply> AskFake(int code) {
  if (code == 2248)
    return CrsReply{"A zone in US feet", std::string(kUsSurveyFootWords), "foot"};
  if (code == 6488)
    return CrsReply{"A zone in feet", "international foot", "foot"};
  return Error{"EPSG:" + std::to_string(code) + " is unknown."};
}

// A located boundary is written in its EPSG grid, placed as the map places
// it; one placed by latitude and longitude keeps its local coordinates.
TEST(LandXmlExport, ALocatedBoundaryIsWrittenInItsGrid) {
  struct Case {
    const char* what;
    Location location;
    std::optional<int> epsg;
    bool us_survey_foot;
    PlanePoint second_corner;  // the rectangle's (110, 20), 100 east of its start
    double area;
  };
  const Case cases[] = {
      {"a State Plane zone in US feet",
       {2248, 500000, 1300000, 0, 1},
       2248,
       true,
       {1300100, 500000},
       5000},
      {"turned a right angle and scaled",
       {6488, 500000, 1300000, 90, 2},
       6488,
       false,
       {1300000, 499800},
       20000},
      {"by latitude and longitude", {0, 39.5, -76.5, 0, 1}, std::nullopt, false, {110, 20}, 5000},
  };
  const EntryList rectangle = test::ListOf({"10 , 20", "110 , 20", "110 , 70", "10 , 70"});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    ProgramState state = StateOf("Point", 10, 20);
    state.location = c.location;
    const Result<std::optional<LandXmlGrid>> grid = LandXmlGridOf(state, AskFake);
    ASSERT_TRUE(grid) << grid.error();
    const Result<std::string> bytes =
        LandXmlBytes(rectangle.Entries(), state, {"Lot", StampOf("0", 0), *grid});
    ASSERT_TRUE(bytes) << bytes.error();
    const Result<LandXmlFile> file = ReadLandXml(*bytes);
    ASSERT_TRUE(file) << file.error();
    EXPECT_EQ(file->epsg, c.epsg);
    EXPECT_EQ(file->units.us_survey_foot, c.us_survey_foot);
    const PlanePoint second = file->parcels[0].segments[1].start;
    EXPECT_NEAR(second.east, c.second_corner.east, 1e-6);
    EXPECT_NEAR(second.north, c.second_corner.north, 1e-6);
    EXPECT_NEAR(*file->parcels[0].stated_area, c.area, 1e-6);
  }
  ProgramState unknown = StateOf("Point", 10, 20);
  unknown.location = Location{4, 0, 0, 0, 1};
  EXPECT_EQ(LandXmlGridOf(unknown, AskFake).error(), "EPSG:4 is unknown.");
}

// The file's coordinate system locates the boundary in it, unturned and
// unscaled, and exporting it again writes the same corners.
TEST(LandXmlImport, TheFileCoordinateSystemLocatesTheBoundary) {
  struct Case {
    const char* code;
    std::optional<int> epsg;
  };
  const Case cases[] = {{"2248", 2248},
                        {"EPSG:2248", 2248},
                        {"epsg:6488", 6488},
                        {"NAD83 Maryland", std::nullopt},
                        {"EPSG:", std::nullopt}};
  const std::string geometry = Line("500000 1300000", "500000 1300100") +
                               Line("500000 1300100", "500050 1300100") +
                               Line("500050 1300100", "500000 1300000");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    const std::string bytes = Doc(kFeet, std::string("<CoordinateSystem epsgCode=\"") + c.code +
                                             "\"/>\n<Parcels><Parcel name=\"Lot\"><CoordGeom>" +
                                             geometry + "</CoordGeom></Parcel></Parcels>");
    const Result<ParcelBoundary> b = Import(bytes);
    ASSERT_TRUE(b) << b.error();
    if (!c.epsg) {
      EXPECT_FALSE(b->header.location);
      continue;
    }
    EXPECT_EQ(b->header.location, (Location{*c.epsg, 500000, 1300000, 0, 1}));
    ProgramState state = StateOf("Point", b->header.FirstPointX, b->header.FirstPointY);
    state.location = b->header.location;
    const Result<std::optional<LandXmlGrid>> grid = LandXmlGridOf(state, AskFake);
    const Result<ParcelBoundary> again =
        Import(*LandXmlBytes(b->entries, state, {"Lot", StampOf("0", 0), *grid}));
    ASSERT_TRUE(again) << again.error();
    EXPECT_EQ(again->entries, b->entries);
    EXPECT_EQ(again->header.location, b->header.location);
  }
}

}  // namespace
}  // namespace tw
