#include "landxml/landxml_commands.h"

#include <cmath>
#include <filesystem>
#include <system_error>

#include "base/numbers.h"
#include "base/text.h"
#include "files/file_io.h"
#include "files/text_encoding.h"
#include "formats/export_commands.h"
#include "landxml/landxml_writer.h"
#include "landxml/parcel_boundary.h"
#include "program/log.h"

namespace tw {
namespace {

std::string CannotImport(const std::string& path, std::string_view reason) {
  return "The file \"" + Utf8ToCp1252(path) + "\" cannot be imported: " + std::string(reason) + ".";
}

std::string NameList(const LandXmlFile& file) {
  std::string names;
  for (const Parcel& p : file.parcels)
    names += "\n  " + Utf8ToCp1252(p.name);
  return names;
}

}  // namespace

FileDialogRequest LandXmlImportRequest() {
  return OpenFileRequest("Import LandXML", kLandXmlFilter);
}

FileDialogRequest LandXmlExportRequest() {
  return SaveFileRequest("Export LandXML", "Untitled.xml", kLandXmlFilter);
}

Result<LandXmlFile> ReadLandXmlPath(const std::string& path) {
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (!error && size > kLandXmlMostBytes)
    return Error{CannotImport(path, "it is larger than " + std::to_string(kLandXmlMostBytes >> 20) +
                                        " MB, more than any parcel needs")};
  const Result<std::string> bytes = ReadFileBytes(path);
  if (!bytes)
    return Error{bytes.error()};
  Result<LandXmlFile> file = ReadLandXml(*bytes);
  if (!file)
    return Error{CannotImport(path, file.error())};
  if (file->parcels.empty())
    return Error{CannotImport(path, "it holds no parcel with geometry")};
  return file;
}

ParcelRow RowOf(const Parcel& parcel, const ParcelUnits& units) {
  ParcelRow row{parcel.name, "", parcel.element_count, parcel.closed};
  std::optional<double> area = parcel.stated_area;
  if (!area && parcel.closed && !parcel.refusal)
    area = std::fabs(SignedAreaOf(parcel.segments));
  if (area)
    row.area = GroupThousands(ApplyPattern(*area, 1, 2, 2)) + " " +
               std::string(UnitRecordOf(units.system).square_words);
  return row;
}

Result<size_t> ParcelToImport(const LandXmlFile& file, std::optional<std::string_view> name) {
  if (name) {
    for (size_t i = 0; i < file.parcels.size(); ++i)
      if (file.parcels[i].name == *name)
        return i;
    return Error{"No parcel is named \"" + Utf8ToCp1252(*name) +
                 "\"; the file holds:" + NameList(file)};
  }
  if (file.parcels.size() == 1)
    return size_t{0};
  return Error{"The file holds " + std::to_string(file.parcels.size()) +
               " parcels; name one with --parcel:" + NameList(file)};
}

Result<OpenOutcome> ImportParcel(Program& program, EntryControls& controls, const LandXmlFile& file,
                                 size_t index, const std::string& path) {
  Result<ParcelBoundary> boundary = BoundaryOfParcel(file.parcels[index], file.units, file.epsg);
  if (!boundary)
    return Error{boundary.error()};
  ParcelBoundary b = std::move(boundary).take();
  Result<OpenOutcome> opened =
      OpenProject(program, controls, ProjectFile{b.header, std::move(b.entries)}, path);
  if (opened && b.rounded_closure)
    AppendLog(program.log, *b.rounded_closure, true);
  return opened;
}

std::string ParcelNameOf(std::string_view project_path) {
  if (project_path.empty())
    return std::string(kUntitled);
  const std::string_view name = FileNameOf(project_path);
  const size_t dot = name.rfind('.');
  return std::string(dot == std::string_view::npos || dot == 0 ? name : name.substr(0, dot));
}

Result<std::optional<LandXmlGrid>> LandXmlGridOf(const ProgramState& state,
                                                 const CrsQuestion& ask) {
  if (!state.location || state.location->epsg == 0)
    return std::optional<LandXmlGrid>();
  const Result<CrsReply> crs = ask(state.location->epsg);
  if (!crs)
    return Error{crs.error()};
  return std::optional<LandXmlGrid>(
      LandXmlGrid{*state.location, crs->name, crs->unit == kUsSurveyFootWords});
}

Result<std::string> ProgramLandXml(const Program& program, std::string_view project_path,
                                   const CrsQuestion& ask) {
  Result<std::optional<LandXmlGrid>> grid = LandXmlGridOf(program.state, ask);
  if (!grid)
    return Error{grid.error()};
  return LandXmlBytes(
      program.entries.Entries(), program.state,
      {Utf8ToCp1252(ParcelNameOf(project_path)), StampNow(), std::move(grid).take()});
}

void ExportLandXml(Program& program, FileDialog& dialog, MessageBox& messages,
                   std::string_view project_path, const CrsQuestion& ask) {
  ExportToFile(program, dialog, messages, LandXmlExportRequest(), "LandXML Export",
               [&](const Program& p) { return ProgramLandXml(p, project_path, ask); });
}

}  // namespace tw
