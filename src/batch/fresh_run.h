// The program as both batch programs start it for one command.
#pragma once

#include "boundary/mode_option.h"
#include "entry/entry_commands.h"
#include "ports/drawing_surface.h"
#include "ports/log_sink.h"
#include "program/log.h"
#include "program/program.h"

namespace tw {

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
