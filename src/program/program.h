// One run of the program: its state, its boundary, and where it logs and
// draws. The window owns one; the batch tool owns one of its own.
#pragma once

#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "geometry/running_figures.h"
#include "ports/drawing_surface.h"
#include "ports/log_sink.h"

namespace tw {

struct Program {
  Program(LogSink& log_sink, DrawingSurface& drawing_surface)
      : log(log_sink), surface(drawing_surface) {}

  ProgramState state;
  EntryList entries;
  // The area and closure of `entries`, read again only where it changed.
  RunningFigures figures;
  LogSink& log;
  DrawingSurface& surface;
};

}  // namespace tw
