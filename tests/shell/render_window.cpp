// A tool, not a test: renders the main window offscreen to PNG files for a
// reviewer, at 1600 x 1000 with a sample boundary and at its minimum size in
// each entry mode, where every caption must still fit.
//   QT_QPA_PLATFORM=offscreen render_window [folder]
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QScrollBar>
#include <QTextStream>

#include "shell/window/log_box.h"
#include "shell/window_harness.h"

namespace {

void Save(tw::test::WindowHarness& h, const QString& path) {
  QCoreApplication::processEvents();
  if (!h.window().grab().save(path))
    qFatal("cannot write %s", qPrintable(path));
  QTextStream(stdout) << "rendered " << path << " (" << h.window().width() << " x "
                      << h.window().height() << ")\n";
}

// The faces the fonts resolved to, which decide whether the captions fit.
void PrintFaces(tw::test::WindowHarness& h) {
  QTextStream out(stdout);
  for (const char* name : {"lblDegrees", "cmdAddLine", "LstBearings", "TxtReport"}) {
    const QFontInfo face(h.Get(name)->font());
    out << name << ": " << face.family() << " " << face.pointSizeF() << " pt"
        << (face.bold() ? " bold\n" : "\n");
  }
}

void ShowAtSize(tw::test::WindowHarness& h, QSize size) {
  h.window().setWindowState(Qt::WindowNoState);
  h.window().resize(size);
  QCoreApplication::processEvents();
}

void AddSampleBoundary(tw::test::WindowHarness& h) {
  const struct {
    const char *quadrant, *degrees, *minutes, *seconds, *length;
  } lines[] = {{"NE", "45", "30", "15", "100"},
               {"SE", "40", "", "", "120"},
               {"SW", "60", "10", "", "90"},
               {"NW", "30", "", "", "110"}};
  for (const auto& l : lines) {
    h.Get<QComboBox>("cmbDirections")->setCurrentText(l.quadrant);
    h.Type("TxtDegrees", l.degrees);
    h.Type("txtMinutes", l.minutes);
    h.Type("txtSeconds", l.seconds);
    h.Type("txtLength", l.length);
    h.Click("cmdAddLine");
  }
}

// The log box narrowed until its lines wrap, with a selection dragged from
// the middle of one line into the next, at twice the size.
void SaveLog(tw::test::WindowHarness& h, const QString& path) {
  auto* log = h.Get<tw::LogBox>("TxtReport");
  log->resize(230, 120);
  QCoreApplication::processEvents();
  log->verticalScrollBar()->setValue(0);
  const int row = log->fontMetrics().lineSpacing();
  QTest::mousePress(log->viewport(), Qt::LeftButton, {}, QPoint(60, 4 + row + row / 2));
  QTest::mouseMove(log->viewport(), QPoint(90, 4 + 3 * row + row / 2));
  QTest::mouseRelease(log->viewport(), Qt::LeftButton, {}, QPoint(90, 4 + 3 * row + row / 2));
  const QPixmap shot = log->grab();
  if (!shot.scaled(shot.size() * 2).save(path))
    qFatal("cannot write %s", qPrintable(path));
  QTextStream(stdout) << "rendered " << path << " (the log at twice its size)\n";
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const QString folder = argc > 1 ? argv[1] : QCoreApplication::applicationDirPath();
  {
    tw::test::WindowHarness h("[SETTINGS]\r\nMODE=Surveyor\r\nSYSTEM=US Imperial\r\n");
    ShowAtSize(h, {1600, 1000});
    AddSampleBoundary(h);
    PrintFaces(h);
    Save(h, folder + "/main_window_1600x1000.png");
    SaveLog(h, folder + "/log_box_wrapped.png");
    ShowAtSize(h, {1, 1});
    Save(h, folder + "/main_window_minimum_surveyor.png");
    // A list longer than its box, scrolled to the selected last line.
    for (int i = 0; i < 200; ++i)
      h.window().program().entries.Append(
          "SE 12\xB0"
          "00'00'' @" +
          std::to_string(i) + "LF");
    h.window().program().entries.SelectLast();
    h.window().FinishCommand();
    Save(h, folder + "/main_window_minimum_scrolled.png");
    ShowAtSize(h, {900, 640});
    Save(h, folder + "/main_window_900x640_scrolled.png");
  }
  {
    tw::test::WindowHarness h("[SETTINGS]\r\nMODE=Carpenter\r\nSYSTEM=SI Metric\r\n");
    ShowAtSize(h, {1, 1});
    Save(h, folder + "/main_window_minimum_carpenter.png");
  }
  {
    tw::test::WindowHarness h("[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n");
    ShowAtSize(h, {1, 1});
    Save(h, folder + "/main_window_minimum_point.png");
  }
  return 0;
}
