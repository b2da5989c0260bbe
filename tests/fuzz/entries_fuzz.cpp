// The bearing and point entry readers: both bearing readings agree, a read
// bearing computes finite offsets, and a read point written back reads the same.
#include "base/numbers.h"
#include "boundary/entry.h"
#include "fuzz/fuzz_check.h"
#include "geometry/bearing.h"
#include "geometry/corner_walk.h"

#include <cmath>

using namespace tw;

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
  return 0;
}
