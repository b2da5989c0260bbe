#include "shell/window_harness.h"

#include <QAbstractItemView>
#include <QPushButton>
#include <filesystem>

#include "shell/window/form_fonts.h"
#include "shell/window/log_box.h"

namespace tw::test {

WindowHarness::WindowHarness(const std::string& settings,
                             const std::function<void(MainWindow&)>& attach) {
  LoadFormFonts();
  if (!settings.empty())
    WriteBytes(SettingsPath(), settings);
  window_ = std::make_unique<MainWindow>(messages_, SettingsPath());
  if (attach)
    attach(*window_);
  window_->show();
  if (!QTest::qWaitForWindowExposed(window_.get()))
    qFatal("the main window was not shown");
  QCoreApplication::processEvents();
}

void WindowHarness::Type(const char* box, const QString& text) {
  QWidget* field = Get(box);
  field->setFocus(Qt::OtherFocusReason);
  QTest::keyClicks(field, text);
}

void WindowHarness::Click(const char* button) {
  QTest::mouseClick(Get<QPushButton>(button), Qt::LeftButton);
  QCoreApplication::processEvents();
}

void WindowHarness::PressEnterIn(const char* control) {
  QWidget* widget = Get(control);
  widget->setFocus(Qt::OtherFocusReason);
  QTest::keyClick(widget, Qt::Key_Return);
  QCoreApplication::processEvents();
}

QString WindowHarness::Log() {
  return Get<LogBox>("TxtReport")->PlainText();
}

QStringList WindowHarness::Lines() {
  QStringList lines;
  const QAbstractItemModel* rows = Get<QAbstractItemView>("LstBearings")->model();
  for (int i = 0; i < rows->rowCount(); ++i)
    lines << rows->index(i, 0).data().toString();
  return lines;
}

AssembledWindow::AssembledWindow(const std::string& settings)
    : harness(settings, [this](MainWindow& window) {
        const std::string folder =
            std::filesystem::path(window.settingsFile()).parent_path().string();
        help.emplace(desktop, launcher, window.messages(), program_folder);
        commands = AttachCommands(window, {.files = dialog,
                                           .desktop = desktop,
                                           .questions = questions,
                                           .printer = printer,
                                           .help = *help,
                                           .folders = {folder, folder}});
      }) {}

}  // namespace tw::test
