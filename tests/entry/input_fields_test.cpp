#include "entry/input_fields.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

TEST(FilterNumericKey, LetsOnlyTheCharactersOfASignedDecimalThrough) {
  struct Case {
    int code;
    bool passes;
  };
  const Case cases[] = {
      {8, true},    {9, true},    {'.', true},  {'-', true},  {'0', true},   {'9', true},
      {'a', false}, {' ', false}, {',', false}, {'+', false}, {'/', false},  {':', false},
      {'e', false}, {3, false},   {22, false},  {13, false},  {0xB0, false}, {-80, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.passes, FilterNumericKey(c.code)) << c.code;
}

TEST(FieldRangeLimit, ByTheBoxName) {
  EXPECT_EQ(90, FieldRangeLimit("TxtDegrees"));
  EXPECT_EQ(60, FieldRangeLimit("txtMinutes"));
  EXPECT_EQ(60, FieldRangeLimit("txtSeconds"));
  EXPECT_EQ(90, FieldRangeLimit("txtCurveDegrees"));
  EXPECT_EQ(359, FieldRangeLimit("txtDeltaDegrees"));
  EXPECT_EQ(60, FieldRangeLimit("txtDeltaMinutes"));
  for (const char* unchecked : {"txtLength", "txtCarDistance", "txtCarInches", "txtPtX", "txtPtY",
                                "txtDegrees", "txtRadius", "txtCurveLength", ""})
    EXPECT_EQ(std::nullopt, FieldRangeLimit(unchecked)) << unchecked;
}

TEST(CheckFieldRange, MessageOnlyAboveTheLimitByTheLeadingNumber) {
  const std::string over90 = "Invalid number entered  (>90)";
  const std::string over60 = "Invalid number entered  (>60)";
  const std::string huge(400, '9');
  struct Case {
    const char* box;
    std::string text;
    std::optional<std::string> message;
  };
  const Case cases[] = {
      {"TxtDegrees", "90", std::nullopt},     {"TxtDegrees", "90.0001", over90},
      {"TxtDegrees", "91abc", over90},        {"TxtDegrees", " 95", over90},
      {"TxtDegrees", "12.5.3", std::nullopt}, {"TxtDegrees", "-", std::nullopt},
      {"TxtDegrees", "-500", std::nullopt},   {"TxtDegrees", "9-9", std::nullopt},
      {"TxtDegrees", huge, over90},           {"TxtDegrees", "-" + huge, std::nullopt},
      {"txtMinutes", "60", std::nullopt},     {"txtMinutes", "61", over60},
      {"txtSeconds", "60.5", over60},         {"txtSeconds", "00", std::nullopt},
      {"txtLength", "1000", std::nullopt},    {"txtPtY", huge, std::nullopt},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.message, CheckFieldRange(c.box, c.text)) << c.box << " " << c.text;
}

}  // namespace
}  // namespace tw
