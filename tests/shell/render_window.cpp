// Renders the main window with sample boundaries to main_window.png and
// main_window_points.png in the build folder, for a reviewer to look at the
// layout and the plot.
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

  void rendersSamplePointList() {
    tw::test::WindowHarness h("[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n");
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(1000, 660);
    QCoreApplication::processEvents();
    for (const auto& [x, y] :
         {std::pair{"100", "200"}, {"230", "200"}, {"250", "340"}, {"120", "300"}}) {
      h.Type("txtPtX", x);
      h.Type("txtPtY", y);
      h.Click("cmdPOINTAddLine");
    }
    h.Click("cmdZoomOut");
    QCOMPARE(h.Lines().size(), 4);
    const QString path = QCoreApplication::applicationDirPath() + "/main_window_points.png";
    QVERIFY(h.window().grab().save(path));
    qInfo("rendered %s", qPrintable(path));
  }
};

QTEST_MAIN(RenderWindow)
#include "render_window.moc"
