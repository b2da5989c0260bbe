// The description reader takes any text: it never fails, every call it reads
// is an entry the list reads back, every place it names lies in the text,
// and it never reads more calls than the text has numbers.
#include "boundary/curve_entry.h"
#include "boundary/entry.h"
#include "description/description_reader.h"
#include "fuzz/fuzz_check.h"

using namespace tw;

namespace {

size_t DigitRuns(std::string_view text) {
  size_t runs = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] >= '0' && text[i] <= '9' && (i == 0 || text[i - 1] < '0' || text[i - 1] > '9'))
      ++runs;
  return runs;
}

void CheckSpan(const TextSpan& span, std::string_view text) {
  FUZZ_CHECK(span.begin < span.end && span.end <= text.size());
  FUZZ_CHECK(span.line >= 1 && span.column >= 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  // The first byte picks the unit and a rotation, so both are fuzzed too.
  const unsigned char pick = size > 0 ? data[0] : 0;
  const DescriptionOptions options{pick & 1 ? "m." : "LF", (pick >> 1) * 0.37 - 20};
  const DescriptionReading r = ReadDescription(text, options);
  FUZZ_CHECK(r.calls.size() + r.ties.size() <= DigitRuns(text));
  for (const std::vector<ReadCall>* list : {&r.ties, &r.calls}) {
    for (const ReadCall& call : *list) {
      CheckSpan(call.span, text);
      BearingFieldsView fields;
      FUZZ_CHECK(IsCurveEntry(call.entry)
                     ? ReadCurveEntry(call.entry).ok()
                     : ReadBearingEntryTo(call.entry, fields) && IsWithinBoxLimits(fields));
    }
  }
  for (const UnreadCall& u : r.unread)
    CheckSpan(u.span, text);
  for (const TextSpan& s : r.unused)
    CheckSpan(s, text);
  return 0;
}
