#include "entry/entry_commands.h"

#include <optional>
#include <utility>

#include "base/numbers.h"
#include "base/quote.h"
#include "base/units.h"
#include "boundary/entry.h"
#include "entry/carpenter.h"
#include "geometry/bearing.h"
#include "geometry/corner_walk.h"
#include "geometry/traverse.h"
#include "program/log.h"
#include "program/plot.h"

namespace tw {
namespace {

using Kind = CommandOutcome::Kind;

constexpr const char* kMixedWithPoints = "the boundary is made of points, not lines";

std::string Quoted(std::string_view text) {
  return "\"" + QuoteForMessage(text) + "\"";
}

CommandOutcome Refuse(std::string reason) {
  return {Kind::Refused, "The line was not added: " + std::move(reason) + "."};
}

CommandOutcome RefuseCurve(std::string reason) {
  return {Kind::Refused, "The curve was not added: " + std::move(reason) + "."};
}

void FillEmpty(std::string& text) {
  if (text.empty())
    text = "00";
}

void FillToTwo(std::string& text) {
  if (text.size() < kAngleFieldWidth)
    text.insert(0, "0");
}

// A field of a bearing entry that could not be read back, or nullopt.
std::optional<std::string> AngleFieldFault(std::string_view name, std::string_view text) {
  double value = 0;
  if (ReadAngleField(text, value))
    return std::nullopt;
  return "the " + std::string(name) + " " + Quoted(text) + " must be a number of two characters";
}

// The kind of a list follows from its entry 0: an entry of the other kind
// could never be read back. The mode locks keep the kinds apart; this holds
// even when a list came from a file whose mode did not match its entries.
bool HoldsOtherKind(const EntryList& entries, EntryKind kind) {
  return !entries.Empty() && KindOf(entries.At(0)) != kind;
}

std::optional<std::string> SurveyorFault(const SurveyorFields& f, std::string_view unit) {
  if (unit.size() != kUnitWidth)
    return "the unit " + Quoted(unit) + " of the boundary is not two characters long";
  if (!IsQuadrant(f.quadrant))
    return Quoted(f.quadrant) + " is not a quadrant";
  for (const auto& [name, text] :
       {std::pair<std::string_view, std::string_view>{"degrees", f.degrees},
        {"minutes", f.minutes},
        {"seconds", f.seconds}})
    if (std::optional<std::string> fault = AngleFieldFault(name, text))
      return fault;
  if (!ConvertStrict(f.length))
    return "the distance " + Quoted(f.length) + " is not a number";
  return std::nullopt;
}

// Selects the last entry and logs the area of the whole list, or gives the
// message naming the entry that cannot be read. The running figures read
// only what changed since they last caught up: after an add, the new entry.
std::string LogRunningArea(Program& program) {
  const Result<BoundaryFigures> figures = program.figures.CatchUp(program.entries, program.state);
  if (!figures)
    return figures.error();
  program.entries.SelectLast();
  LogArea(program.log, figures->area);
  return {};
}

// What every bearing entry's add does once the entry is composed: list it,
// log it as "Added WHAT: ENTRY", draw it and log the area. A message comes
// back only when an entry already in the list cannot be read for the area.
template <class Draw>
CommandOutcome ListAndDraw(Program& program, const std::string& entry, std::string_view what,
                           Draw&& draw) {
  program.entries.Append(entry);
  AppendLog(program.log, "Added " + std::string(what) + ": " + entry, true);
  CommandOutcome outcome{Kind::Added, {}};
  draw();
  if (program.entries.Count() >= 2)
    outcome.message = LogRunningArea(program);
  return outcome;
}

CommandOutcome AddBearingEntry(Program& program, const std::string& entry,
                               std::string_view quadrant, double degrees, double minutes,
                               double seconds, std::string_view distance) {
  return ListAndDraw(program, entry, "line", [&] {
    // Both callers refuse a distance that is not a number before composing
    // the entry, and that is the drawing's only failure.
    (void)DrawBearingLine(program, quadrant, degrees, minutes, seconds, distance);
  });
}

// The Surveyor strip's states after a line or a curve went in.
void LockAfterSurveyorAdd(const Program& program, EntryControls& controls) {
  const size_t count = program.entries.Count();
  controls.cmdUndo_enabled = count >= 1;
  controls.modes = LockModeControls(controls.modes, count);
  controls.modes =
      UpdateUnitMenus(controls.modes, count, program.state.UnitAbbrev, program.state.EntryMode);
}

double FieldValue(std::string_view text) {
  return ConvertStrict(text).value_or(0);
}

}  // namespace

CommandOutcome AddSurveyorLine(Program& program, EntryControls& controls, SurveyorFields& fields) {
  FillEmpty(fields.degrees);
  FillEmpty(fields.minutes);
  FillEmpty(fields.seconds);
  if (fields.length.empty())
    return {};
  FillToTwo(fields.degrees);
  FillToTwo(fields.minutes);
  FillToTwo(fields.seconds);
  FillToTwo(fields.length);
  const std::string& unit = program.state.UnitAbbrev;
  if (std::optional<std::string> fault = SurveyorFault(fields, unit))
    return Refuse(std::move(*fault));
  if (HoldsOtherKind(program.entries, EntryKind::Angle))
    return Refuse(kMixedWithPoints);

  CommandOutcome outcome =
      AddBearingEntry(program,
                      ComposeBearingEntry(fields.quadrant, fields.degrees, fields.minutes,
                                          fields.seconds, fields.length, unit),
                      fields.quadrant, FieldValue(fields.degrees), FieldValue(fields.minutes),
                      FieldValue(fields.seconds), fields.length);
  fields.degrees.clear();
  fields.minutes.clear();
  fields.seconds.clear();
  fields.length.clear();
  LockAfterSurveyorAdd(program, controls);
  return outcome;
}

std::optional<double> HeadingAfterLast(const Program& program) {
  if (program.entries.Empty() || KindOf(program.entries.At(0)) != EntryKind::Angle)
    return std::nullopt;
  CornerStep s;
  TakeHeadingAt(program.entries.Entries(), EntryKind::Angle, program.entries.Count(), s);
  return s.has_heading ? std::optional<double>(s.heading) : std::nullopt;
}

CommandOutcome AddSurveyorCurve(Program& program, EntryControls& controls, CurveFields& fields) {
  if (!HasCurveSize(fields))
    return {};
  PadCurveFields(fields);
  if (HoldsOtherKind(program.entries, EntryKind::Angle))
    return RefuseCurve(kMixedWithPoints);
  const Result<CurveDraft> draft =
      DraftCurve(fields, program.state.UnitAbbrev, HeadingAfterLast(program));
  if (!draft)
    return RefuseCurve(draft.error());

  CommandOutcome outcome =
      ListAndDraw(program, draft->entry, "curve", [&] { DrawCurve(program, draft->elements); });
  for (std::string* box :
       {&fields.radius, &fields.length, &fields.delta_degrees, &fields.delta_minutes,
        &fields.delta_seconds, &fields.degrees, &fields.minutes, &fields.seconds})
    box->clear();
  LockAfterSurveyorAdd(program, controls);
  return outcome;
}

CommandOutcome AddCarpenterLine(Program& program, EntryControls& controls,
                                CarpenterFields& fields) {
  FillEmpty(fields.major);
  const std::string& unit = program.state.UnitAbbrev;
  const std::optional<int> factor = MinorUnitFactor(unit);
  if (!factor)
    return Refuse("the unit " + Quoted(unit) + " has no minor unit; a Carpenter line needs " +
                  Quoted(kUnitSystems[0].abbrev) + " or " + Quoted(kUnitSystems[1].abbrev));
  const std::optional<double> length = CarpenterLength(fields.major, fields.minor, *factor);
  if (!length)
    return Refuse("the length is too large");
  const std::optional<CarpenterBearing> bearing = CarpenterDirection(fields.direction);
  if (!bearing)
    return Refuse(Quoted(fields.direction) + " is not one of the eight directions");
  if (HoldsOtherKind(program.entries, EntryKind::Angle))
    return Refuse(kMixedWithPoints);

  const std::string distance = CarpenterDistanceText(*length);
  CommandOutcome outcome = AddBearingEntry(
      program, ComposeBearingEntry(bearing->quadrant, bearing->degrees, "00", "00", distance, unit),
      bearing->quadrant, FieldValue(bearing->degrees), 0, 0, distance);
  fields.major.clear();
  fields.minor.clear();
  const size_t count = program.entries.Count();
  controls.cmdUndo_enabled = count >= 1;
  controls.modes = UpdateUnitMenus(controls.modes, count, unit, program.state.EntryMode);
  controls.modes = LockModeControls(controls.modes, count);
  return outcome;
}

CommandOutcome AddPoint(Program& program, EntryControls& controls, PointFieldTexts& fields) {
  if (fields.x.empty() || fields.y.empty())
    return {};
  if (!ConvertStrict(fields.x))
    return {Kind::Refused,
            "The point was not added: the X " + Quoted(fields.x) + " is not a number."};
  if (!ConvertStrict(fields.y))
    return {Kind::Refused,
            "The point was not added: the Y " + Quoted(fields.y) + " is not a number."};
  if (HoldsOtherKind(program.entries, EntryKind::Point))
    return {Kind::Refused, "The point was not added: the boundary is made of lines, not points."};

  program.entries.Append(ComposePointEntry(fields.x, fields.y));
  Status drawn = RedrawBoundary(program);
  const size_t count = program.entries.Count();
  controls.modes = LockModeControls(controls.modes, count);
  controls.cmdUndo_enabled = count >= 1;
  CommandOutcome outcome{Kind::Added, {}};
  if (!drawn) {
    outcome.message = drawn.error();
  } else if (count >= 3) {
    outcome.message = LogRunningArea(program);
  }
  fields.x.clear();
  fields.y.clear();
  return outcome;
}

Status CorrectEntry(Program& program, size_t index, const std::string& corrected) {
  std::string line = "Line " + std::to_string(index + 1) + " corrected: ";
  line += program.entries.At(index);
  line += " -> ";
  line += corrected;
  program.entries.ReplaceAt(index, corrected);
  Status drawn = RedrawBoundary(program);
  AppendLog(program.log, line, true);
  return drawn;
}

void UndoLastEntry(Program& program, EntryControls& controls) {
  if (program.entries.Empty())
    return;
  program.entries.RemoveLast();
  // The commands and the file readers keep unreadable entries out of the
  // list, so the redraw draws it whole; were one there, what is before it
  // stays drawn and the Undo still takes place.
  (void)RedrawBoundary(program);
  const size_t count = program.entries.Count();
  controls.cmdUndo_enabled = count >= 1;
  controls.modes = UnlockModeControls(controls.modes, count);
  controls.modes =
      UpdateUnitMenus(controls.modes, count, program.state.UnitAbbrev, program.state.EntryMode);
  AppendLog(program.log, "Line Removed", true);
}

void ClearBoundary(Program& program, EntryControls& controls) {
  program.entries.Clear();
  controls.cmdUndo_enabled = false;
  program.state.FirstPointX = 0;
  program.state.FirstPointY = 0;
  // The location names the start corner that was just let go.
  program.state.location.reset();
  controls.modes = UnlockModeControls(controls.modes, 0);
  RecentreDrawing(program);
  controls.modes =
      UpdateUnitMenus(controls.modes, 0, program.state.UnitAbbrev, program.state.EntryMode);
  AppendLog(program.log, "Cleared", true);
}

}  // namespace tw
