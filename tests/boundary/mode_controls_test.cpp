#include "boundary/mode_controls.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

// The enabled mode controls as "opt:SCP mnu:SCP", a letter for each enabled
// one (Surveyor, Carpenter, Point) and "-" for each disabled one.
std::string EnabledModes(const ModeControls& c) {
  auto flag = [](const ControlState& s, char letter) { return s.enabled ? letter : '-'; };
  return std::string("opt:") + flag(c.optSurveyor, 'S') + flag(c.optCarpenter, 'C') +
         flag(c.optPoint, 'P') + " mnu:" + flag(c.mnuSetSurveyor, 'S') +
         flag(c.mnuSetCarpenter, 'C') + flag(c.mnuSetPoint, 'P');
}

// A unit menu item as "E"/"D" (enabled/disabled) and "+"/"-" (checked or not).
std::string Item(const ControlState& s) {
  return std::string(s.enabled ? "E" : "D") + (s.checked ? "+" : "-");
}

ModeControls WithUnitItems(ControlState imperial, ControlState metric) {
  ModeControls c;
  c.mnuSetImperial = imperial;
  c.mnuSetMetric = metric;
  return c;
}

TEST(ModeControls, UpdateUnitMenus) {
  struct Case {
    const char* imperial;  // expected
    const char* metric;
    size_t count;
    const char* unit;
    const char* mode;
    ControlState imperial_before, metric_before;
  };
  const Case cases[] = {
      // An empty list frees both systems and leaves the check marks alone.
      {"E+", "E-", 0, "LF", "Surveyor", {false, true}, {false, false}},
      {"E-", "E+", 0, "LF", "Carpenter", {false, false}, {false, true}},
      // A bearing list fixes its system.
      {"E+", "D-", 3, "LF", "Surveyor", {true, false}, {true, true}},
      {"D-", "E+", 3, "m.", "Carpenter", {true, true}, {true, false}},
      // Point entries carry no unit: both stay enabled, the marks follow the unit.
      {"E+", "E-", 3, "LF", "Point", {true, false}, {true, true}},
      // An unknown unit (from a file) changes nothing, unless in Point mode.
      {"D-", "E+", 2, "ft", "Surveyor", {false, false}, {true, true}},
      {"E-", "E+", 2, "ft", "Point", {false, false}, {true, true}},
      // The mode is compared exactly.
      {"E+", "D-", 2, "LF", "point", {true, false}, {true, true}},
  };
  for (const Case& c : cases) {
    const ModeControls after =
        UpdateUnitMenus(WithUnitItems(c.imperial_before, c.metric_before), c.count, c.unit, c.mode);
    SCOPED_TRACE(std::to_string(c.count) + " " + c.unit + " " + c.mode);
    EXPECT_EQ(c.imperial, Item(after.mnuSetImperial));
    EXPECT_EQ(c.metric, Item(after.mnuSetMetric));
    EXPECT_EQ("opt:SCP mnu:SCP", EnabledModes(after));
  }
}

enum class Down { None, Surveyor, Carpenter, Point };

ModeControls WithOptionDown(Down down, const char* enabled_before = "opt:SCP mnu:SCP") {
  ModeControls c;
  c.optSurveyor.checked = down == Down::Surveyor;
  c.optCarpenter.checked = down == Down::Carpenter;
  c.optPoint.checked = down == Down::Point;
  const std::string e = enabled_before;
  ControlState* order[] = {&c.optSurveyor,    &c.optCarpenter,    &c.optPoint,
                           &c.mnuSetSurveyor, &c.mnuSetCarpenter, &c.mnuSetPoint};
  const size_t positions[] = {4, 5, 6, 12, 13, 14};
  for (size_t i = 0; i < 6; ++i)
    order[i]->enabled = e[positions[i]] != '-';
  return c;
}

TEST(ModeControls, LockAndUnlock) {
  struct Case {
    const char* expected;
    ModeControls (*operation)(ModeControls, size_t);
    size_t count;
    Down down;
    const char* before;
  };
  const Case cases[] = {
      {"opt:--P mnu:--P", LockModeControls, 1, Down::Point, "opt:SCP mnu:SCP"},
      // Surveyor and Carpenter entries mix; only Point is locked out.
      {"opt:SC- mnu:SC-", LockModeControls, 2, Down::Carpenter, "opt:SCP mnu:SCP"},
      // Nothing to lock against in an empty list, nor without an option down.
      {"opt:SCP mnu:SCP", LockModeControls, 0, Down::Point, "opt:SCP mnu:SCP"},
      {"opt:SCP mnu:SCP", LockModeControls, 3, Down::None, "opt:SCP mnu:SCP"},
      // Locking never enables.
      {"opt:-C- mnu:SC-", LockModeControls, 1, Down::Carpenter, "opt:-CP mnu:SCP"},
      // Undo down to nothing, or Clear, frees every mode.
      {"opt:SCP mnu:SCP", UnlockModeControls, 0, Down::Point, "opt:--P mnu:--P"},
      {"opt:SC- mnu:SC-", UnlockModeControls, 1, Down::Surveyor, "opt:SC- mnu:SC-"},
  };
  for (const Case& c : cases) {
    const ModeControls before = WithOptionDown(c.down, c.before);
    const ModeControls after = c.operation(before, c.count);
    SCOPED_TRACE(std::to_string(c.count) + " " + c.before + " -> " + c.expected);
    EXPECT_EQ(c.expected, EnabledModes(after));
    // Option values and the unit items are not theirs to change.
    EXPECT_EQ(before.optSurveyor.checked, after.optSurveyor.checked);
    EXPECT_EQ(before.optCarpenter.checked, after.optCarpenter.checked);
    EXPECT_EQ(before.optPoint.checked, after.optPoint.checked);
    EXPECT_EQ(Item(before.mnuSetImperial), Item(after.mnuSetImperial));
    EXPECT_EQ(Item(before.mnuSetMetric), Item(after.mnuSetMetric));
  }
}

}  // namespace
}  // namespace tw
