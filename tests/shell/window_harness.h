// A main window over a scratch settings file and a recording message box,
// shown offscreen, with helpers to reach its controls by name; bare, or with
// every command set the program attaches, over scripted ports.
#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "shell/desktop/about.h"
#include "shell/desktop/attach_commands.h"
#include "shell/plat/print_dialog.h"
#include "shell/window/main_window.h"

namespace tw::test {

class WindowHarness {
 public:
  // settings: the settings file's content before the window loads ("" for
  // none at all). attach runs before the window is shown.
  explicit WindowHarness(const std::string& settings = "",
                         const std::function<void(MainWindow&)>& attach = {});

  MainWindow& window() { return *window_; }
  std::string SettingsPath() const { return folder_.File("Quadrell.ini"); }
  std::string SettingsText() const { return ReadBytes(SettingsPath()); }

  template <class T = QWidget>
  T* Get(const char* name) {
    T* found = window_->findChild<T*>(name);
    if (!found)
      qFatal("no control %s", name);
    return found;
  }
  QAction* Item(const char* name) { return Get<QAction>(name); }

  // Gives the box the focus and types the text key by key.
  void Type(const char* box, const QString& text);
  void Click(const char* button);
  void PressEnterIn(const char* control);
  QString Log();        // the log box as shown
  QStringList Lines();  // LstBearings
  std::vector<ShownMessage>& Messages() { return messages_.shown; }

 private:
  ScratchFolder folder_;
  RecordingMessageBox messages_;
  std::unique_ptr<MainWindow> window_;
};

// Sets the printer up as the test asks and goes on printing.
class ScriptedPrintDialog : public PrintDialog {
 public:
  bool Choose(QPrinter& printer) override {
    if (set_up)
      set_up(printer);
    return true;
  }
  std::function<void(QPrinter&)> set_up;
};

// The window as the program assembles it; the settings file's folder is the
// settings and the data folder.
struct AssembledWindow {
  explicit AssembledWindow(const std::string& settings = "");

  ScriptedFileDialog dialog;
  RecordingDesktop desktop;
  ScriptedQuestionBox questions;
  ScriptedPrintDialog printer;
  FakeLauncher launcher;
  FixedProgramFolder program_folder{"/opt/quadrell"};  // only named to the desktop
  std::optional<HelpCommands> help;                    // over the window's message box
  AttachedCommands commands;
  WindowHarness harness;
};

}  // namespace tw::test
