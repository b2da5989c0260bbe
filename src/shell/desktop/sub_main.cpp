#include "shell/desktop/sub_main.h"

#include <QTimer>
#include <utility>

#include "settings/folders.h"
#include "shell/desktop/attach_commands.h"
#include "shell/desktop/desktop_session.h"
#include "shell/desktop/program_location.h"
#include "shell/window/main_window.h"

namespace tw {

void SetStartValues(ProgramState& state) {
  const ProgramState start;
  state.PlotExtentY = start.PlotExtentY;
  state.PlotExtentX = start.PlotExtentX;
  state.FirstPointX = start.FirstPointX;
  state.FirstPointY = start.FirstPointY;
  state.UnitAbbrev = start.UnitAbbrev;
  state.EntryMode = start.EntryMode;
}

SubMain::SubMain()
    : SubMain([this](const ProgramState& start) { return CreateMainWindow(start); },
              own_splash_timer_) {}

SubMain::SubMain(MainWindowFactory create_main, SplashTimer& splash_timer)
    : create_main_(std::move(create_main)),
      splash_timer_(splash_timer),
      help_(desktop_, launcher_, messages_, program_folder_) {}

SubMain::~SubMain() {
  delete splash_.data();
}

void SubMain::Start(std::vector<std::string> files) {
  files_ = std::move(files);
  SetStartValues(start_);
  splash_ = new Splash([this] { ShowMainWindow(); }, splash_timer_);
  splash_->show();
}

std::unique_ptr<QWidget> SubMain::CreateMainWindow(const ProgramState& start) {
  const ProgramFolders folders = LocateProgramFolders();
  auto window = std::make_unique<MainWindow>(messages_, SettingsFilePath(folders), start);
  messages_.SetParent(window.get());
  file_dialog_.SetParent(window.get());
  questions_.SetParent(window.get());
  print_dialog_.SetParent(window.get());
  const AttachedCommands attached = AttachCommands(*window, {.files = file_dialog_,
                                                             .desktop = desktop_,
                                                             .questions = questions_,
                                                             .printer = print_dialog_,
                                                             .help = help_,
                                                             .folders = folders});
  // Once the caller has shown the window.
  DesktopSession* session = attached.session;
  QTimer::singleShot(0, session, [this, session] { session->Start(files_); });
  return window;
}

void SubMain::ShowMainWindow() {
  main_ = create_main_(start_);
  main_->show();
}

}  // namespace tw
