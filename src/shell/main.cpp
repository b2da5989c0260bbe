#include <QApplication>

#include "shell/pictures.h"
#include "shell/sub_main.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(tw::WindowIcon());
  tw::SubMain sub_main;
  sub_main.Start();
  return app.exec();
}
