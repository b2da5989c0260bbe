// The bearing, point and curve entry readers: both bearing readings agree, a
// read bearing computes finite offsets, a read point written back reads the
// same, both curve readings agree, a read curve's fields are written in its
// text as the composer writes them, and its elements keep their bounds.
#include "base/numbers.h"
#include "boundary/curve_entry.h"
#include "boundary/entry.h"
#include "fuzz/fuzz_check.h"
#include "geometry/bearing.h"
#include "geometry/corner_walk.h"
#include "geometry/curve.h"

#include <cmath>

using namespace tw;

namespace {

// A curve read from `text`, and the step a walk takes on it with and
// without a direction before it.
void CheckCurve(std::string_view text) {
  const Result<CurveCall> call = ReadCurveEntry(text);
  CurveCall to;
  FUZZ_CHECK(call.ok() == ReadCurveEntryTo(text, to));
  CornerStep first;
  CornerStep after;
  after.has_heading = true;
  const bool tangent = call && call->aim == CurveAim::Tangent;
  FUZZ_CHECK(StepOn(EntryKind::Angle, text, first) == (call.ok() && !tangent));
  FUZZ_CHECK(StepOn(EntryKind::Angle, text, after) == call.ok());
  if (!call)
    return;
  if (call->size == CurveSize::Delta)
    FUZZ_CHECK(text.find(" delta " + WholeAngleText(call->delta) + " ") != text.npos);
  if (!tangent) {
    const std::string bearing = CurveBearingText(call->bearing.quadrant, call->bearing.angle);
    FUZZ_CHECK(text.ends_with(" " + bearing));
  }
  const CurveElements& e = after.arc;
  FUZZ_CHECK(e.delta >= 0 && e.delta <= 2 * kAngleConstant * (1 + 1e-12));
  FUZZ_CHECK(e.chord <= 2 * e.radius * (1 + 1e-12));
  if (e.radius < 1e100) {
    FUZZ_CHECK(std::isfinite(after.corner.east) && std::isfinite(after.corner.north) &&
               std::isfinite(e.segment_area));
    FUZZ_CHECK(CurveElementsLine(e).starts_with("R "));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  const Result<BearingFieldsView> view = ReadBearingEntryView(text);
  BearingFieldsView fields;
  FUZZ_CHECK(view.ok() == ReadBearingEntryTo(text, fields));
  if (view) {
    FUZZ_CHECK(fields.length == view->length && fields.distance == view->distance);
    CornerStep step;
    FUZZ_CHECK(StepOn(EntryKind::Angle, text, step) && std::isfinite(step.offsets.east) &&
               std::isfinite(step.offsets.north));
  }
  const Result<PointFields> point = ReadPointEntry(text);
  if (point) {
    const Result<PointFields> back =
        ReadPointEntry(PlainForm(point->x) + " , " + PlainForm(point->y));
    FUZZ_CHECK(back && PlainForm(back->x) == PlainForm(point->x) &&
               PlainForm(back->y) == PlainForm(point->y));
  }
  if (IsCurveEntry(text))
    CheckCurve(text);
  // A lone bearing reads only in the one form it is written in.
  CurveBearing bearing;
  if (ReadCurveBearing(text, bearing))
    FUZZ_CHECK(CurveBearingText(bearing.quadrant, bearing.angle) == text);
  return 0;
}
