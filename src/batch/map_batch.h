// quadrell-batch map FORMAT [--location PLACE] [--rotate ANGLE] [--scale S]
// [--name NAME] -o OUT PROJECT.twc: the located boundary as a map file, its
// polygon named NAME (the project file's name without ".twc" by default).
//
// The command lives in its own program, quadrell-batch-map, which alone
// loads GDAL: the batch tool hands the command line to it, and the window
// runs it, so that neither pays for GDAL at its start.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "base/result.h"
#include "location/crs_reply.h"
#include "location/location.h"
#include "map/map_formats.h"

namespace tw {

struct MapCommand {
  const MapFormatRow* format = nullptr;
  // What the options give for this run over the project's own location.
  std::optional<Location> place;  // its rotation and scale are the project's
  std::optional<double> rotation;
  std::optional<double> scale;
  std::string name;  // UTF-8
  std::string out;
  std::string path;
};

// True for "map".
bool IsMapCommand(const std::vector<std::string>& args);

// nullopt for a wrong command line: an unknown FORMAT, no -o, not exactly one
// project, or an option whose value does not read (--location "EPSG:CODE N E"
// or "WGS84 LAT LON", --rotate as ReadSignedAngle, --scale above 0).
std::optional<MapCommand> ParseMapCommand(const std::vector<std::string>& args);

// The project's location with the command's options over it; the message
// asking for a location when there is none to start from.
Result<Location> LocationForRun(const MapCommand& command, const std::optional<Location>& own);

// Replaces this process with quadrell-batch-map, as RunPdfProgram does.
int RunMapProgram(char* argv[]);

// What quadrell-batch-map says of an EPSG code, as the window asks it; the
// error in Windows-1252.
Result<CrsReply> AskMapProgramAboutCrs(int code);

}  // namespace tw
