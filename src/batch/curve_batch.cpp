#include "batch/curve_batch.h"

#include <optional>

#include "batch/arguments.h"
#include "boundary/curve_entry.h"
#include "files/text_encoding.h"
#include "geometry/bearing_forms.h"
#include "geometry/curve.h"

namespace tw {
namespace {

// The element line, the tangent length below half a turn, and the tangent
// bearings where the curve has them; Windows-1252, a line feed after each.
std::string CurveLines(const CurveElements& e, bool bearings) {
  std::string out = bearings ? CurveElementsLine(e) : CurveSizeLine(e);
  out += '\n';
  if (HasTangentLength(e))
    out += "Tangent " + FixedForm(TangentLength(e)) + '\n';
  if (bearings) {
    out += "Start tangent " + HeadingForm(e.start_heading) + '\n';
    out += "End tangent " + HeadingForm(e.end_heading) + '\n';
  }
  return out;
}

// Why `entry` is no curve; empty when it reads as one.
std::string NotACurveReason(std::string_view entry, CurveCall& call) {
  if (!IsCurveEntry(entry))
    return "the entry does not start with \"Curve \"";
  const Result<CurveCall> read = ReadCurveEntry(entry);
  if (!read)
    return read.error();
  call = *read;
  return "";
}

}  // namespace

BatchResult RunCurveCommand(std::span<const std::string> args) {
  const std::optional<CommandArguments> split = SplitArguments(args, {"--after"});
  if (!split || split->operands.size() != 1)
    return {kBatchUsage, "", BatchUsage()};
  // Both stay alive while the call and the bearing view into them.
  const std::string after_text = Utf8ToCp1252(split->Option("--after").value_or(""));
  const std::string entry = Utf8ToCp1252(split->operands[0]);
  std::optional<double> heading_before;
  if (split->Option("--after")) {
    CurveBearing after;
    if (!ReadCurveBearing(after_text, after))
      return {kBatchUsage, "", BatchUsage()};
    heading_before = BearingRadians(after);
  }
  CurveCall call;
  if (const std::string reason = NotACurveReason(entry, call); !reason.empty())
    return {kBatchFailed, "", Cp1252ToUtf8("Not a curve: " + reason) + "\n"};
  // Without a direction to follow, a tangent curve's size is still its own.
  const bool bearings = call.aim != CurveAim::Tangent || heading_before;
  CurveElements e;
  ComputeCurve(call, heading_before.value_or(0), e);
  return {0, Cp1252ToUtf8(CurveLines(e, bearings)), ""};
}

}  // namespace tw
