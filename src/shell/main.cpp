#include <QApplication>

#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  tw::MainWindow window;
  window.show();
  return app.exec();
}
