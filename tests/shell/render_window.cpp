// Renders the main window with a sample boundary to main_window.png in the
// build folder, for a reviewer to look at the layout and the plot.
#include <QtTest>

#include "window_harness.h"

class RenderWindow : public QObject {
  Q_OBJECT

 private slots:
  void rendersSampleBoundary() {
    tw::test::WindowHarness h("[SETTINGS]\r\nMODE=Surveyor\r\nSYSTEM=US Imperial\r\n");
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(1100, 720);
    QCoreApplication::processEvents();
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
    QCOMPARE(h.Lines().size(), 4);
    const QString path = QCoreApplication::applicationDirPath() + "/main_window.png";
    QVERIFY(h.window().grab().save(path));
    qInfo("rendered %s", qPrintable(path));
  }
};

QTEST_MAIN(RenderWindow)
#include "render_window.moc"
