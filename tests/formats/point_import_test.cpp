#include "formats/point_import.h"

#include <gtest/gtest.h>

#include "doubles/golden.h"

namespace tw {
namespace {

PointFileLines Preview(const std::vector<std::string>& lines) {
  PointFileLines preview;
  for (const std::string& line : lines) {
    preview.texts.push_back(line);
    preview.numbers.push_back(preview.size());
  }
  return preview;
}

TEST(PreviewLines, KeepsNonEmptyLinesUnchangedWithTheirLineNumbers) {
  const PointFileLines preview = PreviewLines(test::ReadGolden("survey_points.txt"));
  const std::vector<std::pair<size_t, std::string>> expected = {
      {1, "PN,N,E"},         {3, "12, 880.50, 1520.25, 101.3, fence corner"},
      {4, "13,900,1520.25"}, {5, "14, -0.5 ,1600"},
      {7, "15,901"},
  };
  ASSERT_EQ(expected.size(), preview.size());
  for (size_t i = 0; i < expected.size(); ++i) {
    EXPECT_EQ(expected[i].first, preview[i].line_number);
    EXPECT_EQ(expected[i].second, preview[i].text);
  }
}

struct FormatCase {
  const char* format;
  const char* line;
  const char* entry;  // nullptr: the line is skipped
};

TEST(BuildPointEntries, TakesTheFieldsOfEachFormat) {
  const char* kLine = "12, 880.5, 1520.25, 101.3, fence corner";
  const FormatCase cases[] = {
      {"PN, N, E", kLine, "1520.25 , 880.5"},
      {"PN, E, N", kLine, "880.5 , 1520.25"},
      {"N, E", kLine, "880.5 , 12"},
      {"E, N", kLine, "12 , 880.5"},
      {"PN, N, E", " 1, 880.50, 1520.25", "1520.25 , 880.5"},
      {"PN, N, E", " 7,-12.5, .75", "0.75 , -12.5"},
      {"E, N", "1e3,-0", "1000 , 0"},
      {"PN, N, E", "PN,N,E", nullptr},
      {"PN, N, E", "1,2", nullptr},
      {"N, E", "5", nullptr},
      {"N, E", "5,", nullptr},
      {"PN, E, N", "1,2,3x", nullptr},
      {"PN, N, E", "1,2,1e100", nullptr},
      {"pn, n, e", "1,2,3", nullptr},
      {"", "1,2,3", nullptr},
  };
  for (const FormatCase& c : cases) {
    const PointImport import = BuildPointEntries(Preview({c.line}), c.format);
    if (c.entry) {
      EXPECT_EQ(std::vector<std::string>{c.entry}, import.entries) << c.format << " " << c.line;
      EXPECT_EQ(0u, import.skipped);
    } else {
      EXPECT_TRUE(import.entries.empty()) << c.format << " " << c.line;
      EXPECT_EQ(1u, import.skipped) << c.format << " " << c.line;
    }
  }
}

TEST(BuildPointEntries, ReadsBackThePointExportToFifteenDigits) {
  const PointImport import = BuildPointEntries(
      Preview({" 1, 70.4361680377197, 71.6867925922349", " 2,-12.6864765714375, .000015"}),
      "PN, N, E");
  const std::vector<std::string> expected = {"71.6867925922349 , 70.4361680377197",
                                             "0.000015 , -12.6864765714375"};
  EXPECT_EQ(expected, import.entries);
}

}  // namespace
}  // namespace tw
