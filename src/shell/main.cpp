#include <QApplication>

#include "settings/folders.h"
#include "shell/main_window.h"
#include "shell/program_location.h"
#include "shell/qt_message_box.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const tw::ProgramFolders folders = tw::LocateProgramFolders();
  tw::QtMessageBox messages;
  tw::MainWindow window(messages, tw::SettingsFilePath(folders));
  messages.SetParent(&window);
  window.show();
  return app.exec();
}
