#include "description/description_commands.h"

#include "boundary/mode_option.h"
#include "formats/export_commands.h"
#include "formats/project_commands.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"
#include "program/plot.h"

namespace tw {
namespace {

EntryTexts EntriesOfCalls(const DescriptionReading& reading) {
  std::vector<std::string> entries;
  entries.reserve(reading.calls.size());
  for (const ReadCall& call : reading.calls)
    entries.push_back(call.entry);
  return EntryTexts(entries);
}

}  // namespace

std::optional<ReadFigures> FiguresOfCalls(const DescriptionReading& reading) {
  if (reading.calls.empty())
    return std::nullopt;
  CornerSums sums(reading.start);
  ReadFigures figures;
  const std::optional<UnreadableEntry> stop = WalkEntries(EntriesOfCalls(reading), EntryKind::Angle,
                                                          reading.start, [&](const CornerStep& s) {
                                                            sums.Add(s);
                                                            figures.perimeter += PathLength(s);
                                                          });
  if (stop)
    return std::nullopt;
  const BoundaryFigures closed = sums.Close();
  figures.area = closed.area;
  const PlanePoint last = sums.Last();
  figures.closure =
      ComputeClosure(last.east - reading.start.east, last.north - reading.start.north);
  return figures;
}

Status UseReadCalls(Program& program, EntryControls& controls, const DescriptionReading& reading) {
  program.state.EntryMode = ModeText(ModeOption::Surveyor);
  program.state.FirstPointX = reading.start.east;
  program.state.FirstPointY = reading.start.north;
  return ShowReplacedList(program, controls, EntriesOfCalls(reading));
}

FileDialogRequest DescriptionExportRequest() {
  return SaveFileRequest("Export Description", "Untitled.txt", kDescriptionFilter);
}

void ExportDescriptionFile(Program& program, FileDialog& dialog, MessageBox& messages,
                           const DescribeOptions& options) {
  ExportToFile(program, dialog, messages, DescriptionExportRequest(), "Export Description",
               [&options](const Program& p) {
                 return DescribeBoundary(p.entries.Entries(), p.state, options);
               });
}

}  // namespace tw
