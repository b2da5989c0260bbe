// The command sets the program attaches to its main window, in one list: the
// program, the window benches and the window tests all assemble the window
// through it, so a command the program has is never missing from them.
#pragma once

#include "settings/folders.h"

namespace tw {

class ClosureCommands;
class DescriptionCommands;
class Desktop;
class DesktopSession;
class FileCommands;
class FileDialog;
class HelpCommands;
class LandXmlMenu;
class MainWindow;
class MapCommands;
class PlatCommands;
class PrintDialog;
class QuestionBox;
class RecoveryDisk;
class ViewCommands;

// What the command sets work through; all must outlive the window. The
// message port is the window's.
struct CommandPorts {
  FileDialog& files;
  Desktop& desktop;
  QuestionBox& questions;
  PrintDialog& printer;
  HelpCommands& help;
  ProgramFolders folders;
  RecoveryDisk* recovery_disk = nullptr;  // the file system's own when null
};

// The attached command sets; each is a child of the window.
struct AttachedCommands {
  FileCommands* files = nullptr;
  LandXmlMenu* landxml = nullptr;
  DesktopSession* session = nullptr;
  ClosureCommands* closure = nullptr;
  PlatCommands* plat = nullptr;
  MapCommands* map = nullptr;
  ViewCommands* view = nullptr;
  DescriptionCommands* description = nullptr;
};

// Before the window is shown. The session's Start is left to the caller, for
// once the window is on the screen.
AttachedCommands AttachCommands(MainWindow& window, const CommandPorts& ports);

}  // namespace tw
