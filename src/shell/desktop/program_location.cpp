#include "shell/desktop/program_location.h"

#include <QCoreApplication>
#include <QFile>
#include <cstdlib>

namespace tw {

ProgramFolders LocateProgramFolders() {
  const std::string program_folder =
      QFile::encodeName(QCoreApplication::applicationDirPath()).toStdString();
  ProgramFolders folders =
      ChooseFolders(program_folder, [](const char* name) { return std::getenv(name); });
  EnsureFolder(folders.settings);
  return folders;
}

}  // namespace tw
