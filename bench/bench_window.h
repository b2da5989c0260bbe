// What the window benches share: the window as the program assembles it,
// boundaries whose lines cross the plot, and waiting until the window has
// painted and laid out what a command changed.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <QApplication>
#include <QEventLoop>
#include <QTimerEvent>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "doubles/fakes.h"
#include "doubles/golden.h"
#include "shell/desktop/about.h"
#include "shell/desktop/attach_commands.h"
#include "shell/desktop/file_commands.h"
#include "shell/plat/print_dialog.h"
#include "shell/window/main_window.h"

namespace tw::bench {

// Counts every event the application delivers, to tell when a round of the
// event loop found nothing left to do.
class EventCounter : public QObject {
 public:
  bool eventFilter(QObject*, QEvent*) override {
    ++count;
    return false;
  }
  long count = 0;
};

// Quits its loop at its first zero-timer event, noting when that came.
class ZeroTimer : public QObject {
 public:
  explicit ZeroTimer(QEventLoop& loop) : loop_(loop) { startTimer(0); }
  std::chrono::steady_clock::time_point fired;

 protected:
  void timerEvent(QTimerEvent* event) override {
    fired = std::chrono::steady_clock::now();
    killTimer(event->timerId());
    loop_.quit();
  }

 private:
  QEventLoop& loop_;
};

// Runs the event loop until a round delivers nothing but its own zero
// timer: the window has painted, laid out and run its deferred work.
inline void SettleWindow() {
  EventCounter counter;
  qApp->installEventFilter(&counter);
  for (int round = 0; round < 50; ++round) {
    counter.count = 0;
    QEventLoop loop;
    ZeroTimer marker(loop);
    loop.exec();
    if (counter.count <= 1)
      break;
  }
  qApp->removeEventFilter(&counter);
}

inline double PeakRssMiB() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

inline double RssMiB() {
  long pages = 0, resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
      resident = 0;
    std::fclose(f);
  }
  return resident * (sysconf(_SC_PAGESIZE) / 1024.0) / 1024.0;
}

// The scripted file dialog, noting when it answered and calling back there.
class TimedFileDialog : public test::ScriptedFileDialog {
 public:
  std::optional<std::string> Show(const FileDialogRequest& request) override {
    std::optional<std::string> answer = ScriptedFileDialog::Show(request);
    answered = std::chrono::steady_clock::now();
    if (on_answer)
      on_answer();
    return answer;
  }
  std::chrono::steady_clock::time_point answered;
  std::function<void()> on_answer;
};

class NoPrintDialog : public PrintDialog {
 public:
  bool Choose(QPrinter&) override { return false; }
};

// The main window with the commands the program attaches to it, answering
// through scripted ports, shown offscreen at a laptop's size.
struct BenchWindow {
  explicit BenchWindow(ModeOption mode = ModeOption::Surveyor)
      : window(messages, folder.File("Quadrell.ini")),
        commands(
            AttachCommands(window, {.files = dialog,
                                    .desktop = desktop,
                                    .questions = questions,
                                    .printer = printer,
                                    .help = help,
                                    .folders = {folder.File("settings"), folder.File("data")}})),
        files(commands.files) {
    window.SelectModeOption(mode);
    window.setWindowState(Qt::WindowNoState);
    window.resize(1280, 800);
    window.show();
    SettleWindow();
  }
  template <class T = QWidget>
  T* Get(const char* name) {
    return window.findChild<T*>(name);
  }
  void Trigger(const char* action) { Get<QAction>(action)->trigger(); }

  test::ScratchFolder folder;
  test::RecordingMessageBox messages;
  TimedFileDialog dialog;
  test::ScriptedQuestionBox questions;
  test::RecordingDesktop desktop;
  NoPrintDialog printer;
  test::FakeLauncher launcher;
  test::FixedProgramFolder program_folder{folder.File("program")};
  HelpCommands help{desktop, launcher, messages, program_folder};
  MainWindow window;
  AttachedCommands commands;
  FileCommands* files;
};

struct Corner2 {
  double x, y;
};

// A star polygon: corners at random distances from the origin, taken in
// order of their angle, so that each line runs far across the plot as a
// real boundary's lines do when zoomed to fit. Seeded: every run draws the
// same picture.
inline std::vector<Corner2> StarCorners(int n) {
  std::mt19937 random(20261206);
  std::uniform_real_distribution<double> angle(0, 6.283185307179586);
  std::uniform_real_distribution<double> radius(30, 280);
  std::vector<std::pair<double, double>> polar;
  for (int i = 0; i < n; ++i) {
    const double a = angle(random);
    polar.emplace_back(a, radius(random));
  }
  std::sort(polar.begin(), polar.end());
  std::vector<Corner2> corners;
  for (const auto& [a, r] : polar)
    corners.push_back({r * std::cos(a), r * std::sin(a)});
  return corners;
}

inline std::string Fixed(double v, int decimals) {
  char buffer[64];
  const auto end =
      std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed, decimals);
  return std::string(buffer, end.ptr);
}

inline std::string TwoDigit(long v) {
  return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

// The bearing entry of the line from one corner to the next, to the second
// and the hundredth.
inline std::string BearingEntry(double dx, double dy) {
  const long seconds = std::lround(std::atan2(std::abs(dx), std::abs(dy)) * 180 / M_PI * 3600);
  return std::string(dy >= 0 ? "N" : "S") + (dx >= 0 ? "E" : "W") + " " + TwoDigit(seconds / 3600) +
         "\xB0" + TwoDigit(seconds / 60 % 60) + "'" + TwoDigit(seconds % 60) + "'' @" +
         Fixed(std::max(std::hypot(dx, dy), 0.01), 2) + "LF";
}

// The star's lines as bearing entries, from the origin round the star.
inline std::vector<std::string> StarBearings(int n) {
  std::vector<std::string> entries;
  Corner2 from{0, 0};
  for (const Corner2& c : StarCorners(n)) {
    entries.push_back(BearingEntry(c.x - from.x, c.y - from.y));
    from = c;
  }
  return entries;
}

// The same star with every other line a curve on the same chord, of a
// radius as long as the chord (a sixth of a turn), bulging to the right and
// to the left in turn: the arcs cross the plot as the lines do.
inline std::vector<std::string> StarCurves(int n) {
  std::vector<std::string> entries = StarBearings(n);
  for (size_t i = 1; i < entries.size(); i += 2) {
    const std::string line = entries[i];
    const size_t at = line.find(" @");
    const std::string chord = line.substr(at + 2);
    entries[i] = std::string("Curve ") + (i % 4 == 1 ? "right" : "left") + " R " + chord +
                 " chord " + chord + " CB " + line.substr(0, at);
  }
  return entries;
}

// The centre and the corners of a star of n - 1 as point entries
// "east , north": points are drawn from the first, so the star stays about
// the origin.
inline std::vector<std::string> StarPoints(int n) {
  std::vector<std::string> entries{"0.000 , 0.000"};
  for (const Corner2& c : StarCorners(n - 1))
    entries.push_back(Fixed(c.x, 3) + " , " + Fixed(c.y, 3));
  return entries;
}

}  // namespace tw::bench
