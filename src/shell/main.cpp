#include <QApplication>

#include "shell/form_fonts.h"
#include "shell/pictures.h"
#include "shell/sub_main.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setWindowIcon(tw::WindowIcon());
  tw::LoadFormFonts();
  tw::SubMain sub_main;
  sub_main.Start();
  return app.exec();
}
