// A Qt application takes the C library's locale from the desktop; under a
// German one strtod, printf and streams would read and write ",".
#include <gtest/gtest.h>

#include <clocale>

#include "base/numbers.h"
#include "boundary/entry.h"
#include "doubles/cp1252.h"
#include "doubles/number_forms.h"
#include "geometry/bearing.h"

namespace tw {
namespace {

using test::PrintForm;
using test::ReportPattern;

class GermanLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    // The test command generates this locale; without it the test would
    // prove nothing, so it must not pass quietly.
    ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8"));
    ASSERT_EQ(',', *std::localeconv()->decimal_point);
  }
  void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(GermanLocale, FormsAndReadingsKeepThePoint) {
  EXPECT_EQ("1234.5", PlainForm(1234.5));
  EXPECT_EQ("-.25", LeadingBlankForm(-0.25));
  EXPECT_EQ(" 880.5 ", PrintForm(880.5));
  EXPECT_EQ(" 1.6E-13", LeadingBlankForm(1.6e-13));
  EXPECT_EQ("03.1415927", LogPattern(3.14159265));
  EXPECT_EQ("0.123457", ReportPattern(0.123456789, 4));
  EXPECT_EQ(1.5, ConvertStrict("1.5"));
  EXPECT_EQ(2e5, ConvertStrict("2e5"));
  EXPECT_FALSE(ConvertStrict("1,5"));
  EXPECT_EQ(12.5, ReadLeadingNumber("12.5.3"));
  EXPECT_EQ(1, ReadLeadingNumber("1,5"));
  const std::string entry = test::Cp1252("SW 89°59'59'' @98765.4321m.");
  const Result<BearingFieldsView> f = ReadBearingEntryView(entry);
  ASSERT_TRUE(f);
  EXPECT_EQ(98765.4321, f->length);
  const Result<PointFields> p = ReadPointEntry("1520.25 , 880.5");
  ASSERT_TRUE(p);
  EXPECT_EQ(1520.25, p->x);
  EXPECT_EQ(880.5, p->y);
}

}  // namespace
}  // namespace tw
