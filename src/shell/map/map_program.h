// The map program (quadrell-batch-map) as the window runs it: the window
// never loads GDAL itself, so its start-up pays nothing for the map.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <string>

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

// What the map program says of an EPSG code: its name, unit words and the
// unit's family ("foot", "metre" or "other").
struct CrsDescription {
  std::string name;
  std::string unit;
  std::string family;
};
// The description, or the program's reason (UTF-8) when it has none.
std::optional<CrsDescription> DescribeCrs(int code, std::string& reason);

}  // namespace tw
