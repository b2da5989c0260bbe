// The closure report: the analysis laid out for a surveyor's file, plain
// UTF-8 text with LF line ends, what Save Report writes, `quadrell-batch
// closure --report` prints and the plat may carry as further pages.
#pragma once

#include <ctime>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/result.h"
#include "boundary/entry_texts.h"
#include "closure/closure_analysis.h"

namespace tw {

inline constexpr const char* kReportFilter = "Text file (*.txt)|*.txt|All Files (*.*)|*.*|";

// The head of the report. `title` is the project's file name as the file
// system has it, `unit` the UnitAbbrev as held (Windows-1252), `date` as
// ReportDate gives it.
struct ReportHead {
  std::string title;
  std::string_view unit;
  std::string date;
};

// "2026-12-07": the UTC day of `source_date_epoch` when it is a whole number
// of seconds since 1970 (so that a build or a test fixes the date), else the
// local day of `now`.
std::string ReportDate(const char* source_date_epoch, std::time_t now);

// ReportDate of the environment's SOURCE_DATE_EPOCH and the clock.
std::string ReportDateToday();

// A line of the report: its text, and for a row of a table its cells, each
// in character columns [from, to) of the text, left-aligned or right-aligned
// there, so that a page in a proportional font can set them in columns.
struct ReportCell {
  std::string text;
  size_t from = 0;
  size_t to = 0;
  bool left = false;
};

struct ReportLine {
  std::string text;
  std::vector<ReportCell> cells;  // none for a line of prose
};

// The report's lines, in UTF-8, without line ends.
Result<std::vector<ReportLine>> ClosureReportLines(const ClosureAnalysis& analysis,
                                                   const EntryTexts& entries,
                                                   const ReportHead& head);

// The report of `analysis`, made from `entries` (the ones analysed). Fails
// only with the unreadable-entry message, which an analysed list never has.
Result<std::string> ClosureReport(const ClosureAnalysis& analysis, const EntryTexts& entries,
                                  const ReportHead& head);

}  // namespace tw
