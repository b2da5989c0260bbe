// The three entry modes and their texts (the MODE setting, a project file's
// header, ProgramState::EntryMode). Texts are compared exactly, as read: an
// unknown text names no mode, and only "Point" is point mode.
#pragma once

#include <optional>
#include <string_view>

namespace tw {

enum class ModeOption { Surveyor, Carpenter, Point };

constexpr std::string_view ModeText(ModeOption mode) {
  switch (mode) {
    case ModeOption::Carpenter:
      return "Carpenter";
    case ModeOption::Point:
      return "Point";
    case ModeOption::Surveyor:
      break;
  }
  return "Surveyor";
}

// Exact, case-sensitive; anything else (empty, "point") is nullopt.
constexpr std::optional<ModeOption> ModeFromText(std::string_view text) {
  for (ModeOption mode : {ModeOption::Surveyor, ModeOption::Carpenter, ModeOption::Point})
    if (text == ModeText(mode))
      return mode;
  return std::nullopt;
}

constexpr bool IsPointMode(std::string_view entry_mode) {
  return entry_mode == ModeText(ModeOption::Point);
}

}  // namespace tw
