// The program's start: the start values of the program-wide state, then the
// splash, which shows the main window after one and a half seconds. Holds
// what lives for the whole run: the main window and the desktop ports.
#pragma once

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "boundary/program_state.h"
#include "shell/desktop/about.h"
#include "shell/desktop/qt_desktop.h"
#include "shell/desktop/splash.h"
#include "shell/dialogs/file_dialog_qt.h"
#include "shell/dialogs/qt_message_box.h"
#include "shell/dialogs/qt_question_box.h"
#include "shell/plat/plat_commands.h"
#include "shell/plat/print_dialog.h"

namespace tw {

// Sets the start values, in this order: PlotExtentY, PlotExtentX,
// FirstPointX, FirstPointY, UnitAbbrev, EntryMode.
void SetStartValues(ProgramState& state);

// Creates frmMain over the start state; its load runs before it returns.
using MainWindowFactory = std::function<std::unique_ptr<QWidget>(const ProgramState&)>;

class SubMain {
 public:
  // With the real main window.
  SubMain();
  // With another window, and a splash timer the test fires, for tests.
  SubMain(MainWindowFactory create_main, SplashTimer& splash_timer);
  ~SubMain();
  SubMain(const SubMain&) = delete;
  SubMain& operator=(const SubMain&) = delete;

  // The start-up procedure: start values, then the splash, shown without
  // being modal. Returns at once; the program runs while a window is open.
  // Once the main window is shown, the recovery file is offered and the
  // first of the files (the command line's) opened.
  void Start(std::vector<std::string> files = {});

  const ProgramState& start_state() const { return start_; }
  // Null until the splash's timer has shown it.
  QWidget* main_window() const { return main_.get(); }
  // Null once the splash has unloaded itself.
  Splash* splash() const { return splash_; }

 private:
  std::unique_ptr<QWidget> CreateMainWindow(const ProgramState& start);
  void ShowMainWindow();

  MainWindowFactory create_main_;
  QtSplashTimer own_splash_timer_;
  SplashTimer& splash_timer_;
  ProgramState start_;
  QPointer<Splash> splash_;

  std::vector<std::string> files_;
  QtMessageBox messages_;
  QtQuestionBox questions_;
  QtFileDialog file_dialog_;
  QtPrintDialog print_dialog_;
  QtDesktop desktop_;
  QtLauncher launcher_;
  QtProgramFolder program_folder_;
  HelpCommands help_;
  // Lives until the program ends, also when closed (hidden).
  std::unique_ptr<QWidget> main_;
};

}  // namespace tw
