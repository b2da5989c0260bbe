#include "settings/standard_setting.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "base/numbers.h"
#include "doubles/golden.h"

namespace tw {
namespace {

using test::ScratchFolder;
using test::WriteBytes;

// One text read both ways: as the settings file and the command line hold a
// standard, and as a person types it; what the settings file holds then
// reads back, and a value no standard can be falls back to the default.
TEST(StandardSetting, ReadsWrittenStandards) {
  struct Case {
    const char* text;
    std::optional<int> number;  // as StandardText::Number
    std::optional<int> label;   // as StandardText::Label
  };
  const Case cases[] = {
      {"12500", 12500, 12500},
      {"1:12,500", std::nullopt, 12500},
      {" 1:12500 ", std::nullopt, 12500},
      {"1,000,000", std::nullopt, 1000000},
      {"100", 100, 100},
      {"99", std::nullopt, std::nullopt},
      {"1000001", std::nullopt, std::nullopt},
      {"-5000", std::nullopt, std::nullopt},
      {"5000x", std::nullopt, std::nullopt},
      {"1:", std::nullopt, std::nullopt},
      {"", std::nullopt, std::nullopt},
      {"99999999999999999999", std::nullopt, std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseStandard(c.text, StandardText::Number), c.number);
    EXPECT_EQ(ParseStandard(c.text, StandardText::Label), c.label);
    ScratchFolder folder;
    const std::string path = folder.File("Quadrell.ini");
    WriteBytes(path, std::string("[SETTINGS]\r\nSTANDARD=") + c.text + "\r\n");
    EXPECT_EQ(ReadStoredStandard(path), c.number.value_or(kDefaultStandard));
  }
}

TEST(StandardSetting, StoredStandardReadsBack) {
  ScratchFolder folder;
  const std::string path = folder.File("Quadrell.ini");
  EXPECT_EQ(ReadStoredStandard(path), kDefaultStandard);
  for (int s : {kLowestStandard, 12500, kHighestStandard}) {
    StoreStandard(s, path);
    EXPECT_EQ(ReadStoredStandard(path), s);
  }
}

// The label reads back as the same standard, grouped or not.
TEST(StandardSetting, LabelsReadBack) {
  struct Case {
    int standard;
    const char* plain;
    const char* grouped;
  };
  const Case cases[] = {
      {100, "1:100", "1:100"},
      {5000, "1:5000", "1:5,000"},
      {12500, "1:12500", "1:12,500"},
      {1000000, "1:1000000", "1:1,000,000"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(RatioLabel(c.standard, DigitGroups::None), c.plain);
    EXPECT_EQ(RatioLabel(c.standard, DigitGroups::Thousands), c.grouped);
    for (const char* label : {c.plain, c.grouped})
      EXPECT_EQ(ParseStandard(label, StandardText::Label), c.standard);
  }
}

}  // namespace
}  // namespace tw
