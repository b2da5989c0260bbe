// The start-up: the splash over a timer the test fires by hand, so the order
// of events is checked without waiting on the clock.
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "shell/desktop/splash.h"
#include "shell/desktop/sub_main.h"
#include "shell/dialogs/qt_message_box.h"

namespace {

class ManualTimer : public tw::SplashTimer {
 public:
  void Start(int milliseconds, std::function<void()> on_timeout) override {
    started_ms = milliseconds;
    on_timeout_ = std::move(on_timeout);
  }
  void Fire() { std::exchange(on_timeout_, nullptr)(); }

  int started_ms = -1;

 private:
  std::function<void()> on_timeout_;
};

// A start-up with a stand-in main window that notes whether the splash was
// still up when the window was made (it is shown at once).
struct ProbedStart {
  ProbedStart()
      : sub_main(
            [this](const tw::ProgramState& start) {
              ++created;
              handed_over = start;
              splash_up_at_creation = sub_main.splash() && sub_main.splash()->isVisible();
              return std::make_unique<QWidget>();
            },
            timer) {
    sub_main.Start();
    splash = sub_main.splash();
  }

  ManualTimer timer;
  int created = 0;
  bool splash_up_at_creation = false;
  tw::ProgramState handed_over;
  tw::SubMain sub_main;
  QPointer<tw::Splash> splash;
};

}  // namespace

class SplashTest : public QObject {
  Q_OBJECT

 private slots:
  void startValuesReplaceWhateverWasThere() {
    tw::ProgramState state;
    state.PlotExtentX = state.PlotExtentY = state.FirstPointX = state.FirstPointY = 7;
    state.UnitAbbrev = "m.";
    state.EntryMode = "Point";
    tw::SetStartValues(state);
    QCOMPARE(
        std::vector({state.PlotExtentX, state.PlotExtentY, state.FirstPointX, state.FirstPointY}),
        std::vector({300.0, 300.0, 0.0, 0.0}));
    QCOMPARE(state.UnitAbbrev, std::string("LF"));
    QCOMPARE(state.EntryMode, std::string("Surveyor"));
  }

  // The main window is up before the splash goes, so the program never has
  // no window open.
  void mainWindowIsShownWhenTheTimerFiresThenTheSplashGoes() {
    ProbedStart run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash));
    QCOMPARE(run.timer.started_ms, 1500);
    QCOMPARE(run.created, 0);
    bool main_up_when_splash_went = false;
    connect(run.splash, &QObject::destroyed, this,
            [&] { main_up_when_splash_went = run.sub_main.main_window()->isVisible(); });

    run.timer.Fire();
    QCOMPARE(run.created, 1);
    QVERIFY(run.splash_up_at_creation);
    QCOMPARE(run.handed_over.EntryMode, std::string("Surveyor"));
    QVERIFY(run.sub_main.main_window()->isVisible());
    QTRY_VERIFY(run.splash.isNull());
    QVERIFY(main_up_when_splash_went);
  }

  void keysClicksAndCloseDoNotShortenTheSplash() {
    ProbedStart run;
    QVERIFY(QTest::qWaitForWindowExposed(run.splash));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A})
      QTest::keyClick(run.splash, key);
    QTest::keyClick(run.splash, Qt::Key_F4, Qt::AltModifier);
    QTest::mouseClick(run.splash->findChild<QWidget*>("Frame1"), Qt::LeftButton);
    QTest::mouseDClick(run.splash->findChild<QWidget*>("lblProductName"), Qt::LeftButton);
    QVERIFY(!run.splash->close());
    QCoreApplication::processEvents();
    QVERIFY(run.splash && run.splash->isVisible());
    QCOMPARE(run.created, 0);
    run.timer.Fire();
    QTRY_VERIFY(run.splash.isNull());
    QCOMPARE(run.created, 1);
  }

  // The real timer and the real main window.
  void realStartEndsInTheMainWindow() {
    tw::SubMain sub_main;
    sub_main.Start();
    QPointer<tw::Splash> splash = sub_main.splash();
    QVERIFY(splash);
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 10000);
    QWidget* window = sub_main.main_window();
    QCOMPARE(window->objectName(), QString("frmMain"));
    QVERIFY(window->isVisible());
  }

  // A box of the start, over a main window the window system has not placed
  // yet, stands at the screen's centre; over a placed one, at its centre.
  void messagesCentreOnTheScreenUntilTheirWindowIsPlaced() {
    QWidget window;
    window.setGeometry(60, 50, 400, 300);
    tw::PlacedMessageBox early(QMessageBox::NoIcon, "Quadrell", "Only one file was opened.",
                               QMessageBox::Ok, &window);
    early.show();
    const QPoint screen = window.screen()->availableGeometry().center();
    // Within a frame's width: a window's frame is not known before it is shown.
    QVERIFY((early.geometry().center() - screen).manhattanLength() <= 8);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    tw::PlacedMessageBox later(QMessageBox::NoIcon, "Quadrell", "Only one file was opened.",
                               QMessageBox::Ok, &window);
    later.show();
    QVERIFY((later.geometry().center() - window.geometry().center()).manhattanLength() <= 8);
  }

  void showsTheVersionRecordOnABorderlessCentredWindow() {
    ManualTimer timer;
    tw::Splash splash([] {}, timer);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.frameGeometry().center(),
             QGuiApplication::primaryScreen()->availableGeometry().center());
    auto text = [&splash](const char* name) { return splash.findChild<QLabel*>(name)->text(); };
    QCOMPARE(text("lblVersion"), QString("Version 1.1.2"));
    QCOMPARE(text("lblProductName"), QString("Quadrell"));
    // The caption introduces the notice, which does not repeat it.
    QCOMPARE(text("lblCopyright") + " " + text("lblCompany"),
             QString("Copyright (C) 2026 Tractwise Project"));
    // Every text fits its label, whatever font stood in.
    for (const QLabel* label : splash.findChildren<QLabel*>()) {
      const QFontMetrics metrics(label->font());
      QVERIFY2(metrics.horizontalAdvance(label->text()) <= label->width(),
               qPrintable(label->objectName()));
      QVERIFY2(label->geometry().right() < splash.findChild<QWidget*>("Frame1")->width(),
               qPrintable(label->objectName()));
    }
  }
};

QTEST_MAIN(SplashTest)
#include "splash_test.moc"
