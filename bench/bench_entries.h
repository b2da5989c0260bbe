// The pieces the benches build their varying entries from.
#pragma once

#include <string>

namespace tw::bench {

// Quadrants vary so that every entry takes the whole reading path.
inline const char* QuadrantOf(int i) {
  static const char* const kQuadrants[] = {"NE", "NW", "SW", "SE"};
  return kQuadrants[i % 4];
}

// Two digits, as the angle fields are keyed.
inline std::string TwoDigits(int v) {
  std::string s = std::to_string(v);
  if (v < 10)
    s.insert(s.begin(), '0');
  return s;
}

}  // namespace tw::bench
