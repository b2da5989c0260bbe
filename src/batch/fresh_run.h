// The program as both batch programs start it for one command.
#pragma once

#include <string_view>

#include "boundary/mode_option.h"
#include "entry/entry_commands.h"
#include "ports/drawing_surface.h"
#include "program/log.h"
#include "program/program.h"

namespace tw {

// For the commands that print a file, not the log: a replot of 100,000
// entries logs as many closure lines, which nobody would read.
class DiscardLog : public LogSink {
 public:
  void Append(std::string_view) override {}
  bool KeepsText() const override { return false; }
};

// A fresh start without a settings file: Surveyor mode, feet, its option down.
struct FreshRun {
  explicit FreshRun(LogSink& log) : program{log, surface} {
    controls.modes = PressModeOption(controls.modes, ModeOption::Surveyor);
  }

  NullSurface surface;
  Program program;
  EntryControls controls;
};

}  // namespace tw
