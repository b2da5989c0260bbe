#include "formats/count_form.h"

#include <gtest/gtest.h>

#include "base/numbers.h"

namespace tw {
namespace {

// The shortcut must write exactly what the number forms write.
TEST(CountForm, AgreesWithTheNumberForms) {
  const size_t counts[] = {
      0, 1, 9, 10, 100000, 999999999999999, 1000000000000000, 1234567890123456789u};
  for (size_t k : counts) {
    EXPECT_EQ(LeadingBlankForm(static_cast<double>(k)), LeadingBlankCount(k)) << k;
    EXPECT_EQ(PlainForm(static_cast<double>(k)), PlainCount(k)) << k;
  }
}

}  // namespace
}  // namespace tw
