#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

#include "doubles/fakes.h"
#include "report/contact.h"
#include "report/links.h"
#include "shell/about.h"

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

  void showsTheStatedControlsAndTexts() {
    tw::AboutBox* box = Shown();
    QVERIFY(box);
    QCOMPARE(box->windowTitle(), QString("About Quadrell"));
    QCOMPARE(box->size(), QSize(382, 235));
    QCOMPARE(box->minimumSize(), box->maximumSize());
    QVERIFY(!box->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!box->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!box->isModal());

    auto text = [box](const char* name) { return box->findChild<QLabel*>(name)->text(); };
    const std::pair<const char*, QString> texts[] = {
        {"lblTitle", "Quadrell"},       {"lblVersion", "Version 1.1.2"}, {"Label1", "E-mail to:"},
        {"lblEmail", tw::kMailAddress}, {"Label3", "for questions"},     {"Label2", "or visit:"},
        {"Label4", tw::kWebAddress},    {"Label5", "for information"}};
    for (const auto& [name, expected] : texts)
      QCOMPARE(text(name), expected);
    QCOMPARE(text("lblDescription").count('\n'), 2);
    QCOMPARE(text("lblDisclaimer").count('\n'), 1);
    QVERIFY(text("lblDisclaimer").contains("qualified"));
    QCOMPARE(box->findChild<QPushButton*>("cmdOK")->text(), QString("OK"));
    QCOMPARE(box->findChild<QPushButton*>("cmdSysInfo")->text(), QString("&System Info..."));
    QCOMPARE(box->findChild<QLabel*>("picIcon")->pixmap().size(), QSize(32, 32));

    // The etched rule: grey above, white below.
    const QImage picture = box->grab().toImage();
    QCOMPARE(picture.pixelColor(100, 169), QColor(128, 128, 128));
    QCOMPARE(picture.pixelColor(100, 170), QColor(Qt::white));
  }

  void linkLabelsLookLikeLinksAndOpenThroughTheDesktop() {
    tw::AboutBox* box = Shown();
    QVERIFY(box);
    for (const char* name : {"lblEmail", "Label4"}) {
      auto* link = box->findChild<QLabel*>(name);
      QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
      QVERIFY(link->font().underline());
      QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    QTest::mouseClick(box->findChild<QLabel*>("lblEmail"), Qt::LeftButton);
    QTest::mouseClick(box->findChild<QLabel*>("Label4"), Qt::LeftButton);
    // A plain label is no link.
    QTest::mouseClick(box->findChild<QLabel*>("Label5"), Qt::LeftButton);
    QCOMPARE(desktop_.opened, (std::vector<std::string>{std::string("mailto:") + tw::kMailAddress,
                                                        tw::kWebAddress}));
    QVERIFY(box->isVisible());
  }

  void aboutAgainBringsTheSameBoxForward() {
    QPointer<tw::AboutBox> first = Shown();
    QVERIFY(first);
    QCOMPARE(Shown(), first.data());
    int open = 0;
    for (QWidget* widget : QApplication::topLevelWidgets())
      open += widget->objectName() == "frmAbout" && widget->isVisible();
    QCOMPARE(open, 1);
  }

  void enterEscOkAndCloseBoxUnloadIt_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Enter") << "enter";
    QTest::newRow("Esc") << "esc";
    QTest::newRow("OK") << "ok";
    QTest::newRow("close box") << "close";
  }

  void enterEscOkAndCloseBoxUnloadIt() {
    QFETCH(QString, how);
    QPointer<tw::AboutBox> box = Shown();
    QVERIFY(box);
    if (how == "enter")
      QTest::keyClick(box, Qt::Key_Return);
    else if (how == "esc")
      QTest::keyClick(box, Qt::Key_Escape);
    else if (how == "ok")
      QTest::mouseClick(box->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
    else
      box->close();
    QTRY_VERIFY(box.isNull());
    QVERIFY(!help_.about_box());
    QVERIFY(desktop_.opened.empty());
    QVERIFY(Shown());  // shown again, it is a fresh box
  }

  void systemInfoButtonStartsTheFirstProgramFoundOrSaysItCannot() {
    auto* button = Shown()->findChild<QPushButton*>("cmdSysInfo");
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(messages_.shown.size(), size_t{1});
    QCOMPARE(messages_.shown[0].text,
             std::string("System Information Is Unavailable At This Time"));

    launcher_.on_path = {"kinfocenter"};
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(launcher_.started, std::vector<std::string>{"/usr/bin/kinfocenter"});
    QCOMPARE(messages_.shown.size(), size_t{1});
  }

  void helpOpensTheHelpFileThroughTheDesktop() {
    help_.ShowHelp();
    QCOMPARE(desktop_.opened,
             std::vector<std::string>{"/opt/tractwise-test/share/tractwise/QuadrellHelp.html"});
  }
};

QTEST_MAIN(AboutTest)
#include "about_test.moc"
