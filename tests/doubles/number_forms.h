// The print form and the report's pattern as strings, for comparing: the
// core writes both only into a caller's buffer.
#pragma once

#include <string>

#include "base/numbers.h"

namespace tw::test {

inline std::string PrintForm(double v) {
  char text[kLongestForm + 1];
  return std::string(text, WritePrintForm(text, v));
}

inline std::string ReportPattern(double v, int extra_hashes) {
  std::string s;
  AppendReportPattern(s, v, extra_hashes);
  return s;
}

}  // namespace tw::test
