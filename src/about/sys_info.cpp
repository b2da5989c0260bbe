#include "about/sys_info.h"

#include <optional>
#include <string>

namespace tw {

namespace {

std::optional<std::string> FindSysInfoProgram(Launcher& launcher) {
  for (const char* program : kSysInfoPrograms) {
    if (std::optional<std::string> path = launcher.Find(program))
      return path;
  }
  return std::nullopt;
}

}  // namespace

void StartSysInfo(Launcher& launcher, MessageBox& message_box) {
  const std::optional<std::string> path = FindSysInfoProgram(launcher);
  if (path && launcher.StartDetached(*path, {}))
    return;
  message_box.Show(kSysInfoUnavailable, kProgramTitle, MessageIcon::None);
}

}  // namespace tw
