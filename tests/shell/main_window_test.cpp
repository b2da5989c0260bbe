#include <QtTest>

#include "shell/main_window.h"

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void opensTitledWithWhitePlot() {
    tw::MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.windowTitle(), QString("Tractwise"));
    auto* drawing = window.findChild<QWidget*>("pbDrawing");
    QVERIFY(drawing);
    const QImage picture = drawing->grab().toImage();
    QCOMPARE(picture.pixelColor(picture.width() / 2, picture.height() / 2), QColor(Qt::white));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
