// The plat: page 1 with the title block, the boundary drawn to a true, round
// scale, and the closure figures; then the tables of lines and corners,
// continued over as many pages as they need.
#pragma once

#include <string>
#include <string_view>

#include "base/result.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "closure/closure_figures.h"
#include "formats/project_file.h"
#include "ports/page.h"
#include "settings/standard_setting.h"

namespace tw {

struct PlatHeading {
  std::string title{kUntitled};  // UTF-8: the name of the last file opened or saved
  std::string date;              // YYYY-MM-DD
  int standard = kDefaultStandard;
  // The closure report as further pages after the tables, dated as the plat.
  bool closure_report = false;
};

// The title of a plat of the file at `path`: its name without folders, in the
// UTF-8 that file names are held in; kUntitled for no file.
std::string PlatTitleOf(std::string_view path);

// Today as YYYY-MM-DD, local time.
std::string TodayText();

// A4 for "m.", US Letter for any other unit.
PageSize PlatPaperOf(std::string_view unit);

// Lays the plat out on `page`, of `size`, calling NewPage between pages.
// Fails with "Nothing to export" for an empty list and with the program's
// unreadable-entry message, drawing nothing.
Status LayOutPlat(const EntryList& entries, const ProgramState& state, const PlatHeading& heading,
                  PageSize size, Page& page);

}  // namespace tw
