#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QtTest>
#include <memory>

#include "boundary/version.h"
#include "shell/splash.h"
#include "shell/sub_main.h"

namespace {

class ShowWatcher : public QObject {
 public:
  ShowWatcher(std::function<void()> on_show) : on_show_(std::move(on_show)) {}
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Show)
      on_show_();
    return false;
  }

 private:
  std::function<void()> on_show_;
};

// A start-up with a stand-in main window that notes what the splash was doing
// when the window was created and shown.
struct ProbedStart {
  explicit ProbedStart(int splash_ms)
      : sub_main(
            [this](const tw::ProgramState& start) {
              ++created;
              created_after_ms = clock.elapsed();
              handed_over = start;
              auto window = std::make_unique<QWidget>();
              auto* watcher = new ShowWatcher([this] {
                splash_visible_at_show = sub_main.splash() && sub_main.splash()->isVisible();
              });
              watcher->setParent(window.get());
              window->installEventFilter(watcher);
              return window;
            },
            splash_ms) {
    clock.start();
    sub_main.Start();
    splash = sub_main.splash();
  }

  int created = 0;
  bool splash_visible_at_show = false;
  qint64 created_after_ms = -1;
  tw::ProgramState handed_over;
  QElapsedTimer clock;
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
    QCOMPARE(state.PlotExtentY, 300.0);
    QCOMPARE(state.PlotExtentX, 300.0);
    QCOMPARE(state.FirstPointX, 0.0);
    QCOMPARE(state.FirstPointY, 0.0);
    QCOMPARE(state.UnitAbbrev, std::string("LF"));
    QCOMPARE(state.EntryMode, std::string("Surveyor"));
  }

  void mainWindowComesAfterOneAndAHalfSecondsThenSplashGoes() {
    ProbedStart run(tw::kSplashMilliseconds);
    QVERIFY(QTest::qWaitForWindowExposed(run.splash));
    bool main_visible_when_splash_closed = false;
    connect(run.splash, &QObject::destroyed, this, [&] {
      main_visible_when_splash_closed =
          run.sub_main.main_window() && run.sub_main.main_window()->isVisible();
    });
    QCOMPARE(run.sub_main.start_state().PlotExtentX, 300.0);

    QTest::qWait(1200);
    // On a starved machine the wait may overrun the timer; the timer itself
    // can never fire early (checked below).
    if (run.clock.elapsed() < tw::kSplashMilliseconds) {
      QCOMPARE(run.created, 0);
      QVERIFY(run.splash->isVisible());
    }

    QTRY_VERIFY_WITH_TIMEOUT(run.splash.isNull(), 2000);
    QCOMPARE(run.created, 1);
    QVERIFY(run.created_after_ms >= 1500);
    QCOMPARE(run.handed_over.EntryMode, std::string("Surveyor"));
    // The splash goes only once the main window is up.
    QVERIFY(run.splash_visible_at_show);
    QVERIFY(main_visible_when_splash_closed);
  }

  void keysAndClicksDoNotShortenTheSplash() {
    ProbedStart run(1000);
    QVERIFY(QTest::qWaitForWindowExposed(run.splash));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Space, Qt::Key_A})
      QTest::keyClick(run.splash, key);
    QTest::keyClick(run.splash, Qt::Key_F4, Qt::AltModifier);
    QTest::mouseClick(run.splash->findChild<QWidget*>("Frame1"), Qt::LeftButton);
    QTest::mouseDClick(run.splash->findChild<QWidget*>("lblProductName"), Qt::LeftButton);
    QVERIFY(!run.splash->close());
    QTest::qWait(100);
    if (run.clock.elapsed() < 1000) {
      QVERIFY(run.splash && run.splash->isVisible());
      QCOMPARE(run.created, 0);
    }
    QTRY_VERIFY(run.splash.isNull());
    QTest::qWait(900);
    QCOMPARE(run.created, 1);  // the timer fired once only
    QVERIFY(run.created_after_ms >= 1000);
  }

  void realStartEndsInTheMainWindow() {
    tw::SubMain sub_main;
    sub_main.Start();
    QPointer<tw::Splash> splash = sub_main.splash();
    QVERIFY(splash);
    QTRY_VERIFY_WITH_TIMEOUT(splash.isNull(), 4000);
    QWidget* window = sub_main.main_window();
    QCOMPARE(window->objectName(), QString("frmMain"));
    QVERIFY(window->isVisible());
  }

  void showsTheVersionRecordOnAWhiteBorderlessCentredWindow() {
    tw::Splash splash([] {}, 60000);
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.size(), QSize(492, 283));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.frameGeometry().center(),
             QGuiApplication::primaryScreen()->availableGeometry().center());
    QCOMPARE(splash.grab().toImage().pixelColor(2, 2), QColor(Qt::white));

    auto text = [&splash](const char* name) { return splash.findChild<QLabel*>(name)->text(); };
    QCOMPARE(text("lblVersion"), QString("Version 1.1.2"));
    QCOMPARE(text("lblProductName"), QString("Quadrell"));
    QCOMPARE(text("lblCompanyProduct"), QString(tw::kCompanyName));
    QCOMPARE(text("lblCopyright"), QString("Copyright"));
    QCOMPARE(text("lblCompany"), QString(tw::kCopyright));
    QVERIFY(text("lblWarning").contains("United States and international copyright law"));
    QVERIFY(!text("lblWarning").contains('\n'));
    QCOMPARE(splash.findChild<QLabel*>("imgLogo")->pixmap().size(), QSize(159, 159));

    // Every text fits its label, whatever font stood in.
    for (const QLabel* label : splash.findChildren<QLabel*>()) {
      if (label->text().isEmpty())
        continue;
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
