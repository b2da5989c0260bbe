// Import LandXML.. and Export LandXML..: the file dialogs, the choice of a
// parcel, and the program taking the parcel as Open takes a project file.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "base/result.h"
#include "entry/entry_commands.h"
#include "formats/project_commands.h"
#include "landxml/landxml_reader.h"
#include "landxml/landxml_writer.h"
#include "location/crs_reply.h"
#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "program/program.h"

namespace tw {

inline constexpr const char* kLandXmlFilter = "LandXML file (*.xml)|*.xml|All Files (*.*)|*.*|";

FileDialogRequest LandXmlImportRequest();
FileDialogRequest LandXmlExportRequest();

// Reads and parses the file, refusing one above kLandXmlMostBytes before
// reading it. Fails with "The file "PATH" cannot be imported: REASON."
Result<LandXmlFile> ReadLandXmlPath(const std::string& path);

// One row of the chooser: "Lot 7", "7,114.16 sq ft", 5 segments, closed. The
// area is the one the file states, else the one its coordinates give; none
// for an open parcel that states none.
struct ParcelRow {
  std::string name;  // UTF-8
  std::string area;  // "" when none
  size_t segments = 0;
  bool closed = false;
};
ParcelRow RowOf(const Parcel& parcel, const ParcelUnits& units);

// The parcel to import without a chooser: the one named, or the only one.
// Fails naming the parcels when there are several and no name, or the name
// is none of them.
Result<size_t> ParcelToImport(const LandXmlFile& file, std::optional<std::string_view> name);

// Replaces the boundary with the parcel, as Open replaces it with a project
// (`path` is the file's), then logs how the calls as rounded close, for a
// boundary of calls. A parcel that cannot become a boundary changes nothing.
Result<OpenOutcome> ImportParcel(Program& program, EntryControls& controls, const LandXmlFile& file,
                                 size_t index, const std::string& path);

// The parcel's name for a project: its file name without folders and
// extension, "Untitled" before it is first saved.
std::string ParcelNameOf(std::string_view project_path);

// Asks the map program about an EPSG code: the window and the batch tool
// each run it their own way. Fails with the program's reason.
using CrsQuestion = std::function<Result<CrsReply>(int code)>;

// The grid a boundary's file is written in: none unless it is located by an
// EPSG code. A boundary placed by latitude and longitude has a grid no code
// names, so its file keeps the local coordinates.
Result<std::optional<LandXmlGrid>> LandXmlGridOf(const ProgramState& state, const CrsQuestion& ask);

// The file of the boundary, named after its project and stamped now, in its
// grid when it has one.
Result<std::string> ProgramLandXml(const Program& program, std::string_view project_path,
                                   const CrsQuestion& ask);

// Asks for the file and writes the boundary into it, as the other exports
// do: "Nothing to export" for an empty list, one message for any failure.
void ExportLandXml(Program& program, FileDialog& dialog, MessageBox& messages,
                   std::string_view project_path, const CrsQuestion& ask);

}  // namespace tw
