// A main window over a scratch settings file and a recording message box,
// shown offscreen, with helpers to reach its controls by name.
#pragma once

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QtTest>
#include <memory>
#include <string>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "shell/window/main_window.h"

namespace tw::test {

class WindowHarness {
 public:
  // settings: the settings file's content before the window loads ("" for
  // none at all).
  explicit WindowHarness(const std::string& settings = "");

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

}  // namespace tw::test
