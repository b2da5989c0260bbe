#include "report/program_info.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(VersionLine, JoinsTheThreeNumbersWithoutPaddingOrTrailingBlank) {
  // This build is 1.1.2.
  EXPECT_EQ("Version 1.1.2", VersionLine());
}

}  // namespace
}  // namespace tw
