// The project file: a version line, a header line and the entry texts.
//
//   :1.1.2
//   :FirstPointX,FirstPointY,UnitAbbrev,EntryMode
//   :LOCATION,...  (only in a located project, see location/location.h)
//   one line per entry, unchanged
//
// Windows-1252 bytes, CR LF after every line.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "boundary/program_state.h"
#include "location/location.h"

namespace tw {

inline constexpr const char* kProjectFilter = "Tractwise File (*.twc)|*.twc|";

// What a boundary is called before it is first saved: the plat's title.
inline constexpr std::string_view kUntitled = "Untitled";
// The same as a project file's name: offered for saving, and named by the
// closure text copied from the dialog.
std::string UntitledProjectName();
// A project as the closure texts name it: the file's name without folders,
// or UntitledProjectName() before it is first saved.
std::string ProjectTitleOf(std::string_view path);

// The bytes that saving writes, the first point in the plain number form.
std::string ProjectFileBytes(const ProgramState& state, const EntryTexts& entries);

struct ProjectHeader {
  double FirstPointX = 0;
  double FirstPointY = 0;
  std::string UnitAbbrev;  // as written, whatever it is
  std::string EntryMode;   // as written, whatever it is
  // The line after the header, when it is a location line.
  std::optional<Location> location;
};

struct ProjectFile {
  // None when line 1 does not start with ":": that line is then dropped and
  // the program keeps its values.
  std::optional<ProjectHeader> header;
  EntryTexts entries;  // the non-empty lines after the header
};

// Reads and validates the whole file. Fails with a reason naming the line when
// the file is empty, line 1 starts with ":" but line 2 is missing, line 2 has
// fewer than four ","-separated fields, field 1 or 2 is not a number, line 3
// is a location line that cannot be read (ReadLocationLine), or an
// entry cannot be read back by the kind of the first entry. Fields after the
// fourth are ignored. A file that starts with the UTF-8 byte-order mark is
// read as UTF-8 (Utf8FileText).
Result<ProjectFile> ParseProjectFile(std::string_view bytes);

}  // namespace tw
