// The strict and the leading readings agree, and every number the strict
// reading takes is written in forms that read back as the same 15 digits.
#include "base/numbers.h"
#include "doubles/number_forms.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <charconv>
#include <cmath>

using namespace tw;
using test::PrintForm;
using test::ReportPattern;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = fuzz::Text(data, size);
  const std::optional<double> leading = ReadLeadingNumber(text);
  FUZZ_CHECK(!leading || std::isfinite(*leading));
  double value = 0;
  const bool strict = ConvertStrictTo(text, value);
  FUZZ_CHECK(strict == ConvertStrict(text).has_value());
  if (!strict)
    return 0;
  FUZZ_CHECK(IsBoundaryNumber(value));
  // The fast path for short decimals rounds as the library does.
  std::string_view trimmed = text;
  trimmed.remove_prefix(std::min(trimmed.find_first_not_of(" \t"), trimmed.size()));
  trimmed.remove_suffix(trimmed.size() - trimmed.find_last_not_of(" \t") - 1);
  double library = 0;
  if (std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), library).ec == std::errc())
    FUZZ_CHECK(library == value && std::signbit(library) == std::signbit(value));
  if (text.find_first_of("eE") == std::string_view::npos)
    FUZZ_CHECK(leading == value);
  const std::string plain = PlainForm(value);
  for (const std::string& form : {plain, LeadingBlankForm(value), PrintForm(value)}) {
    const std::optional<double> back = ConvertStrict(form);
    FUZZ_CHECK(back && PlainForm(*back) == plain);
  }
  FUZZ_CHECK(!LogPattern(value).empty() && !ReportPattern(value, 4).empty());
  return 0;
}
