// The map program (quadrell-batch-map) as the window runs it: the window
// never loads GDAL itself, so its start-up pays nothing for the map.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

#include "base/result.h"
#include "location/crs_reply.h"

namespace tw {

struct MapRun {
  int exit_code = -1;  // -1: it did not start or did not end in time
  std::string out;     // UTF-8
  std::string err;     // UTF-8
};

// The program beside this one (the build tree keeps it elsewhere) or in
// ../libexec/tractwise of this one's folder.
QString MapProgramPath();

// Runs the map program with `arguments` and waits for it.
MapRun RunMapProgram(const QStringList& arguments);

// What the map program says of an EPSG code, or its reason (UTF-8) when it
// has nothing to say.
std::optional<CrsReply> DescribeCrs(int code, std::string& reason);

// The same as a result, its error in Windows-1252 as messages are.
Result<CrsReply> AskAboutCrs(int code);

}  // namespace tw
