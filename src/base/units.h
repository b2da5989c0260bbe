// The two unit systems: every text and factor that depends on the system in
// force, in one table. A boundary's UnitAbbrev is kept exactly as it was read;
// a text that matches no record here (an old or edited file) has no labels,
// no Carpenter factor and no area lines.
#pragma once

#include <array>
#include <string_view>

namespace tw {

enum class UnitSystem { Imperial, Metric };

// The paper the plat is laid out on.
enum class PlatPaper { Letter, A4 };

struct UnitRecord {
  UnitSystem system;
  std::string_view abbrev;       // UnitAbbrev: "LF", "m."
  std::string_view stored;       // the SYSTEM setting: "US Imperial", "SI Metric"
  int minor_factor;              // minor units per major unit: 12, 100
  std::string_view major_label;  // the Carpenter labels: "Feet", "Meters"
  std::string_view minor_label;  // "Inches", "Centimeters"
  // report.txt's area lines: the square unit with its trailing blanks, and
  // the larger unit with its figure's decimals.
  std::string_view report_square;
  std::string_view report_large;
  int report_large_digits;
  // The closure analysis's words: "sq ft" and "acres", "sq m" and "hectares".
  std::string_view square_words;
  std::string_view large_words;
  // Square units to acres or hectares, computed exactly as the report always
  // has (a division by 43560, a product with 0.0001), so figures keep their bits.
  double (*to_large)(double area);
  // The plat: its units line, its paper, and whether its scale reads in
  // feet per inch ("1\" = 50'") rather than as a ratio ("1:500").
  std::string_view plat_words;
  PlatPaper plat_paper;
  bool feet_per_inch;
};

inline constexpr std::array<UnitRecord, 2> kUnitSystems = {{
    {UnitSystem::Imperial, "LF", "US Imperial", 12, "Feet", "Inches", "SF   ", "Ac", 4, "sq ft",
     "acres", [](double area) { return area / 43560; }, "US Imperial (feet)", PlatPaper::Letter,
     true},
    {UnitSystem::Metric, "m.", "SI Metric", 100, "Meters", "Centimeters", "Square Meters  ",
     "Hectares", 6, "sq m", "hectares", [](double area) { return area * 0.0001; },
     "SI Metric (metres)", PlatPaper::A4, false},
}};

constexpr const UnitRecord& UnitRecordOf(UnitSystem system) {
  return kUnitSystems[system == UnitSystem::Imperial ? 0 : 1];
}

// Exact and case-sensitive; nullptr for any other text.
constexpr const UnitRecord* UnitRecordFor(std::string_view unit_abbrev) {
  for (const UnitRecord& r : kUnitSystems)
    if (r.abbrev == unit_abbrev)
      return &r;
  return nullptr;
}

}  // namespace tw
