// quadrell-batch curve: the elements of one curve entry, as the report lists
// them, with its tangent length and its tangent bearings.
#pragma once

#include <span>
#include <string>

#include "batch/batch.h"

namespace tw {

// curve [--after BEARING] ENTRY, the arguments after the command's name. The
// entry and the bearing are read as UTF-8, or byte for byte as
// Windows-1252 where they are not UTF-8; the bearing is the direction the
// entry before ended in, which a tangent curve follows. Without it a tangent
// curve's bearings are left out.
BatchResult RunCurveCommand(std::span<const std::string> args);

}  // namespace tw
