#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "files/standard_descriptors.h"
#include "session/command_line.h"
#include "shell/desktop/sub_main.h"
#include "shell/window/form_fonts.h"
#include "shell/window/pictures.h"

namespace {

const char* Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

QtMessageHandler qt_messages = nullptr;

// Qt ends a start without a usable platform with a fatal message and an
// abort; the program says so in its own words and ends with 1 instead.
void EndOnFatal(QtMsgType type, const QMessageLogContext& context, const QString& text) {
  if (type != QtFatalMsg) {
    qt_messages(type, context, text);
    return;
  }
  std::fputs(tw::kDisplayNotOpened, stderr);
  std::fflush(stderr);
  std::_Exit(tw::kStartFailed);
}

}  // namespace

int main(int argc, char* argv[]) {
  tw::ReserveStandardDescriptors();
  // Before QApplication, which needs a display.
  const tw::CommandLine line = tw::ReadCommandLine({argv + 1, argv + argc});
  if (line.exit) {
    std::fputs(line.exit->out.c_str(), stdout);
    std::fputs(line.exit->err.c_str(), stderr);
    return line.exit->exit_code;
  }
  if (const std::optional<std::string> no_display = tw::NoDisplayMessage(
          Environment("QT_QPA_PLATFORM"), Environment("DISPLAY"), Environment("WAYLAND_DISPLAY"))) {
    std::fputs(no_display->c_str(), stderr);
    return tw::kStartFailed;
  }
  // Qt sees the program name only: a file named like one of its own options
  // ("-reverse", after "--") must not reach it.
  int qt_argc = 1;
  qt_messages = qInstallMessageHandler(EndOnFatal);
  QApplication app(qt_argc, argv);
  qInstallMessageHandler(qt_messages);
  QApplication::setWindowIcon(tw::WindowIcon());
  tw::LoadFormFonts();
  tw::SubMain sub_main;
  sub_main.Start(line.files);
  return app.exec();
}
