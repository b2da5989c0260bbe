// quadrell-batch read and describe: a deed's description to a project file,
// and a project's boundary to a description.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "batch/batch.h"

namespace tw {

// read [--unit LF|m.] [--rotate ANGLE] [--accept-doubtful] DESCRIPTION.txt
BatchResult ReadDescriptionCommand(std::span<const std::string> args);

// describe [--words] [--decimals N] [--beginning NAME] PROJECT.twc
BatchResult DescribeCommand(std::span<const std::string> args);

}  // namespace tw
