// Importing a 100,000-line point file end to end, offscreen: the file read
// into the preview list of the import dialog, Import pressed, the list
// replaced and replotted on the real surface with its 100,000 closure lines.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPushButton>
#include <string>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "shell/file_commands.h"
#include "shell/main_window.h"

namespace {

constexpr int kLines = 100000;

// Points on a circle, so the replot draws every segment on the surface.
std::string PointFile() {
  std::string bytes;
  for (int i = 0; i < kLines; ++i) {
    const double a = 6.283185307179586 * i / kLines;
    bytes += std::to_string(i + 1) + ", " + std::to_string(200 * std::sin(a)) + ", " +
             std::to_string(200 * std::cos(a)) + ", 101.3, corner\r\n";
  }
  return bytes;
}

void BM_ImportPointFile(benchmark::State& state) {
  tw::test::ScratchFolder folder;
  tw::test::WriteBytes(folder.File("points.txt"), PointFile());
  tw::test::RecordingMessageBox messages;
  tw::test::ScriptedFileDialog dialog;
  tw::test::RecordingDesktop desktop;
  tw::MainWindow window(messages, folder.File("Quadrell.ini"));
  auto* commands =
      new tw::FileCommands(window, dialog, desktop, {folder.File("settings"), folder.File("data")});
  window.setWindowState(Qt::WindowNoState);
  window.resize(1280, 800);
  window.show();
  QCoreApplication::processEvents();
  for (auto _ : state) {
    dialog.answers.push_back(folder.File("points.txt"));
    commands->ChoosePointFile();
    commands->ImportDialog()->findChild<QPushButton*>("CmdImport")->click();
    QCoreApplication::processEvents();
  }
  if (window.program().entries.Count() != kLines || !messages.shown.empty())
    state.SkipWithError("not imported");
}
BENCHMARK(BM_ImportPointFile)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
