// The Surveyor strip's curve controls on the real window offscreen: the rows,
// preview, Tab, Enter, key filter, range message and places at the minimum.
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include "shell/window_harness.h"

using tw::test::WindowHarness;

namespace {

const QString kDeg = QString(QChar(0xB0));

void Check(WindowHarness& h, bool on) {
  if (h.Get<QCheckBox>("chkCurve")->isChecked() != on)
    h.Get<QCheckBox>("chkCurve")->click();
}

void Choose(WindowHarness& h, const char* chooser, int index) {
  h.Get<QComboBox>(chooser)->setCurrentIndex(index);
}

// The focus from `from` on, one Tab at a time.
QStringList TabsFrom(WindowHarness& h, const char* from, int count) {
  QStringList names;
  QWidget* at = h.Get(from);
  at->setFocus(Qt::OtherFocusReason);
  for (int i = 0; i < count; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    names << QApplication::focusWidget()->objectName();
  }
  return names;
}

QMap<QString, QRect> Places(WindowHarness& h) {
  QMap<QString, QRect> places;
  for (QWidget* w : h.window().centralWidget()->findChildren<QWidget*>())
    if (!w->objectName().isEmpty() && w->isVisible())
      places[w->objectName()] = w->geometry();
  return places;
}

}  // namespace

class CurveStripTest : public QObject {
  Q_OBJECT

 private slots:
  // The worked lot's rounded corner, typed after its two lines and added
  // with Enter; the preview follows the boxes and the list.
  void typedCurveIsPreviewedAndAddedWithEnter() {
    WindowHarness h;
    for (const char* length : {"120.00", "40.00"}) {
      h.Type("TxtDegrees", length[0] == '1' ? "" : "90");
      h.Type("txtLength", length);
      h.Click("cmdAddLine");
    }
    Check(h, true);
    QVERIFY(!h.Get("txtLength")->isVisible() &&
            h.Get<QPushButton>("cmdAddLine")->text() == "Add Curve");
    auto preview = [&] { return h.Get<QLabel>("lblCurvePreview")->text(); };
    h.Type("txtRadius", "20.00");
    h.Type("txtDeltaDegrees", "9x0");
    QCOMPARE(preview(), "R 20.0000 Delta 90" + kDeg + "00'00.0\" L 31.4159 C 28.2843 CB S 45" +
                            kDeg + "00'00.0\" E T 20.0000");
    Choose(h, "cmbCurveSize", 2);
    h.Type("txtCurveLength", "41");
    QCOMPARE(preview(), QString("Not a curve: the chord is longer than twice the radius"));
    Choose(h, "cmbCurveSize", 1);
    h.PressEnterIn("txtDeltaSeconds");
    QCOMPARE(h.Lines().last(), "Curve right R 20.00LF delta 90" + kDeg + "00'00'' tangent");
    QVERIFY(h.Log().endsWith("tangent\nClosure: 116.6190379 Area: 4114.1592654"));
    QCOMPARE(QApplication::focusWidget(), h.Get("cmbCurveSide"));
    QCOMPARE(h.Get<QLineEdit>("txtRadius")->text(), QString());
  }

  // Only the boxes of the chosen size and direction are on the way.
  void tabFollowsTheStripsOrderAndTheDeltaIsRangeChecked() {
    WindowHarness h;
    Check(h, true);
    QCOMPARE(TabsFrom(h, "chkCurve", 8),
             QStringList({"cmbCurveSide", "txtRadius", "cmbCurveSize", "txtDeltaDegrees",
                          "txtDeltaMinutes", "txtDeltaSeconds", "cmbCurveAim", "cmdAddLine"}));
    // The delta turns up to a whole circle; its box is checked as the bearing's.
    h.Type("txtDeltaDegrees", "360");
    QTest::keyClick(h.Get("txtDeltaDegrees"), Qt::Key_Tab);
    QTRY_COMPARE(h.Messages().size(), size_t(1));
    QCOMPARE(h.Messages()[0].text, std::string("Invalid number entered  (>359)"));
    Choose(h, "cmbCurveSize", 2);
    Choose(h, "cmbCurveAim", 1);
    QCOMPARE(TabsFrom(h, "txtRadius", 9),
             QStringList({"cmbCurveSize", "txtCurveLength", "cmbCurveAim", "cmbCurveQuadrant",
                          "txtCurveDegrees", "txtCurveMinutes", "txtCurveSeconds", "chkMajor",
                          "cmdAddLine"}));
    Check(h, false);
    QCOMPARE(TabsFrom(h, "txtLength", 2), QStringList({"chkCurve", "cmdAddLine"}));
  }

  // At the smallest window every control of the rows and the strip is inside
  // its frame, none on another, and the worked preview is whole; unchecked,
  // every place is back.
  void rowsFitTheSmallestWindowAndGiveBackTheirRoom() {
    WindowHarness h;
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(200, 100);
    QCoreApplication::processEvents();
    const QMap<QString, QRect> before = Places(h);
    h.Type("TxtDegrees", "90");
    h.Type("txtLength", "40");
    h.Click("cmdAddLine");
    Check(h, true);
    h.Type("txtRadius", "20.00");
    h.Type("txtDeltaDegrees", "90");
    QVERIFY(h.Get<QLabel>("lblCurvePreview")->toolTip().isEmpty());
    QVERIFY(h.Get("pbDrawing")->geometry().bottom() < h.Get("frameCurve")->geometry().top());
    for (int size = 0; size < 3; ++size) {
      Choose(h, "cmbCurveSize", size);
      Choose(h, "cmbCurveAim", size);
      for (const char* frame : {"frameCurve", "frameSurveyor"}) {
        QList<QRect> taken;
        for (QWidget* w : h.Get(frame)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
          if (!w->isVisible())
            continue;
          QVERIFY2(h.Get(frame)->rect().contains(w->geometry()), qPrintable(w->objectName()));
          for (const QRect& other : taken)
            QVERIFY2(!other.intersects(w->geometry()), qPrintable(w->objectName()));
          taken << w->geometry();
        }
      }
    }
    Check(h, false);
    QCOMPARE(Places(h), before);
  }
};

QTEST_MAIN(CurveStripTest)
#include "curve_strip_test.moc"
