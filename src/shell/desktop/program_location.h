// The folders of this run, from where the program file lies.
#pragma once

#include "settings/folders.h"

namespace tw {

// ChooseFolders over the executable's folder and the environment, with the
// settings folder created when missing. Needs a QCoreApplication.
ProgramFolders LocateProgramFolders();

}  // namespace tw
