#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>
#include <functional>

#include "about/contact.h"
#include "about/links.h"
#include "doubles/fakes.h"
#include "shell/desktop/about.h"

class AboutTest : public QObject {
  Q_OBJECT

 private:
  tw::test::RecordingDesktop desktop_;
  tw::test::FakeLauncher launcher_;
  tw::test::RecordingMessageBox messages_;
  tw::test::FixedProgramFolder folder_{"/opt/tractwise-test/bin"};

  tw::HelpCommands help_{desktop_, launcher_, messages_, folder_};

  // Shows the box and waits until it is on screen.
  tw::AboutBox* Shown() {
    help_.ShowAbout();
    tw::AboutBox* box = help_.about_box();
    return QTest::qWaitForWindowExposed(box) ? box : nullptr;
  }

 private slots:
  void init() {
    desktop_ = {};
    launcher_ = {};
    messages_ = {};
  }

  void linkLabelsOpenThroughTheDesktop() {
    tw::AboutBox* box = Shown();
    QVERIFY(box);
    QTest::mouseClick(box->findChild<QLabel*>("lblEmail"), Qt::LeftButton);
    QTest::mouseClick(box->findChild<QLabel*>("Label4"), Qt::LeftButton);
    // A plain label is no link.
    QTest::mouseClick(box->findChild<QLabel*>("Label5"), Qt::LeftButton);
    QCOMPARE(desktop_.opened, (std::vector<std::string>{std::string("mailto:") + tw::kMailAddress,
                                                        tw::kWebAddress}));
    QVERIFY(box->isVisible());
  }

  // Not modal, and one box at a time.
  void aboutAgainBringsTheSameBoxForward() {
    QPointer<tw::AboutBox> first = Shown();
    QVERIFY(first);
    QVERIFY(!first->isModal());
    QCOMPARE(Shown(), first.data());
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
      open += widget->objectName() == "frmAbout" && widget->isVisible();
    QCOMPARE(open, 1);
  }

  void enterEscOkAndCloseBoxUnloadIt() {
    const std::function<void(tw::AboutBox*)> closings[] = {
        [](tw::AboutBox* box) { QTest::keyClick(box, Qt::Key_Return); },
        [](tw::AboutBox* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](tw::AboutBox* box) {
          QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        },
        [](tw::AboutBox* box) { box->close(); }};
    for (const auto& close : closings) {
      QPointer<tw::AboutBox> box = Shown();
      QVERIFY(box);
      close(box);
      QTRY_VERIFY(box.isNull());
      QVERIFY(!help_.about_box());
    }
    QVERIFY(desktop_.opened.empty());
  }

  // Which program it starts is the core's business.
  void systemInfoButtonReachesItsCommand() {
    launcher_.on_path = {"kinfocenter"};
    QTest::mouseClick(Shown()->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    QCOMPARE(launcher_.started.size(), size_t{1});
  }

  void helpOpensTheHelpFileThroughTheDesktop() {
    desktop_.succeed = false;
    help_.ShowHelp();
    QCOMPARE(desktop_.opened,
             std::vector<std::string>{"/opt/tractwise-test/share/tractwise/QuadrellHelp.html"});
    QCOMPARE(messages_.shown.size(), size_t{1});
  }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
