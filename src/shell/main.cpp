#include <QApplication>
#include <cstdio>

#include "files/standard_descriptors.h"
#include "shell/command_line.h"
#include "shell/form_fonts.h"
#include "shell/pictures.h"
#include "shell/sub_main.h"

int main(int argc, char* argv[]) {
  tw::ReserveStandardDescriptors();
  // Before QApplication, which needs a display.
  const tw::CommandLine line = tw::ReadCommandLine({argv + 1, argv + argc});
  if (line.exit) {
    std::fputs(line.exit->out.c_str(), stdout);
    std::fputs(line.exit->err.c_str(), stderr);
    return line.exit->exit_code;
  }
  QApplication app(argc, argv);
  QApplication::setWindowIcon(tw::WindowIcon());
  tw::LoadFormFonts();
  tw::SubMain sub_main;
  sub_main.Start(line.files);
  return app.exec();
}
