// Drives the real main window offscreen: each control reaches its command,
// and the focus, the range message, Enter and the locks show on the widgets.
// What the commands compute is the core's tests' business.
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QtTest>
#include <functional>

#include "shell/closure/closure_dialog.h"
#include "shell/desktop/description_commands_qt.h"
#include "shell/dialogs/description_dialog.h"
#include "shell/dialogs/qt_message_box.h"
#include "shell/window_harness.h"

using tw::test::WindowHarness;

namespace {

const QString kDeg = QString(QChar(0xB0));

void AddSurveyorLine(WindowHarness& h, const QString& degrees, const QString& length) {
  h.Type("TxtDegrees", degrees);
  h.Type("txtLength", length);
  h.Click("cmdAddLine");
}

QString Text(WindowHarness& h, const char* box) {
  return h.Get<QLineEdit>(box)->text();
}

bool Enabled(WindowHarness& h, const char* name) {
  if (QAction* item = h.window().findChild<QAction*>(name))
    return item->isEnabled();
  return h.Get(name)->isEnabled();
}

void CheckOnlyStripShown(WindowHarness& h, const char* strip) {
  for (const char* frame : {"frameSurveyor", "frameCarpenter", "framePoint"})
    QVERIFY2(h.Get<QFrame>(frame)->isVisible() == (qstrcmp(frame, strip) == 0), frame);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // New menus are to be inserted: the existing ones keep their places.
  void captionAndMenuBar() {
    WindowHarness h;
    QCOMPARE(h.window().windowTitle(), QString("Quadrell    - Version 1.1.2"));
    const QStringList expected[] = {
        {"MnuPopList:File", "mnuFileNew:New", "mnuFileOpen:Open..", "mnuFileSave:Save as..",
         "mnuFileSeparator1:-", "mnuFileImportPts:Import Points..", "mnuFileSeparator4:-",
         "mnuFileExPoints:Export Points..", "mnuFileDxfExport:Export to DXF..",
         "mnuFileExDescription:Export Description...", "mnuFileSeparator2:-",
         "mnuFileReport:Report", "mnuFileSeparator3:-", "mnuFileClose:Close"},
        {"mnuView:View", "mnuZoomIN:Zoom In", "mnuZoomOut:Zoom Out", "mnuRedraw:Re-Draw"},
        {"mnuSettings:Settings", "mnuSetMetric:SI Metric System",
         "mnuSetImperial:US Imperial System", "mnuSetSeparator1:-", "mnuSetSurveyor:Surveyor Mode",
         "mnuSetCarpenter:Carpenter Mode", "mnuSetPoint:Point Mode"},
        {"mnuTools:Tools", "mnuToolsClosure:Closure Analysis...",
         "mnuToolsDescription:Read Description..."},
        {"mnuHelp:Help", "mnuHelpHelp:Help", "mnuHelpSeparator1:-", "mnuHelpAbout:About"}};
    const QList<QAction*> menus = h.window().menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    for (int m = 0; m < 5; ++m) {
      QMenu* menu = menus[m]->menu();
      QStringList items = {menu->objectName() + ":" + menu->title()};
      for (QAction* a : menu->actions())
        items << a->objectName() + ":" + (a->isSeparator() ? "-" : a->text());
      QCOMPARE(items, expected[m]);
    }
  }

  // The program's window: each command set's items in their places, with
  // their keys; Recent Files stays off while it has nothing to offer.
  void assembledMenuBar() {
    tw::test::AssembledWindow w;
    const QStringList expected[] = {{"New",
                                     "Open..",
                                     "Save as..",
                                     "-",
                                     "Import Points..",
                                     "Import LandXML...",
                                     "Recent Files (off)",
                                     "-",
                                     "Export Points..",
                                     "Export to DXF..",
                                     "Export Description...",
                                     "Export LandXML...",
                                     "Location...",
                                     "Export Map...",
                                     "-",
                                     "Report",
                                     "Export PDF Plat...",
                                     "Export PDF Plat with Closure Report...",
                                     "Print...",
                                     "-",
                                     "Close"},
                                    {"Zoom In", "Zoom Out", "Re-Draw", "-", "Zoom to Fit Ctrl+0",
                                     "Equal Scales", "Line Labels"},
                                    {"SI Metric System", "US Imperial System", "-", "Surveyor Mode",
                                     "Carpenter Mode", "Point Mode"},
                                    {"Closure Analysis... Ctrl+K", "Read Description... Ctrl+D"},
                                    {"Help", "-", "About"}};
    const QList<QAction*> menus = w.harness.window().menuBar()->actions();
    QCOMPARE(menus.size(), 5);
    for (int m = 0; m < 5; ++m) {
      QStringList items;
      for (QAction* a : menus[m]->menu()->actions()) {
        QString item = a->isSeparator() ? "-" : a->text();
        if (!a->shortcut().isEmpty())
          item += " " + a->shortcut().toString();
        items << (a->isEnabled() ? item : item + " (off)");
      }
      QCOMPARE(items, expected[m]);
    }
  }

  // Each command set of the program's window answers its item through its
  // own port.
  void assembledWindowReachesEveryCommandSet() {
    tw::test::AssembledWindow w;
    WindowHarness& h = w.harness;
    const struct {
      const char* item;
      std::function<bool()> reached;
    } cases[] = {
        {"mnuFileOpen", [&] { return w.dialog.requests.size() == 1; }},
        {"mnuFilePdfPlat", [&] { return h.Messages().size() == 1; }},
        {"mnuToolsClosure", [&] { return w.commands.closure->Dialog()->isVisible(); }},
        {"mnuToolsDescription", [&] { return w.commands.description->Dialog()->isVisible(); }},
        {"mnuEqualScales",
         [&] { return h.SettingsText().find("EQUALSCALES=0") != std::string::npos; }},
        {"mnuHelpHelp", [&] { return w.desktop.opened.size() == 1; }},
        {"mnuHelpAbout", [&] { return w.help->about_box() != nullptr; }},
    };
    for (const auto& c : cases) {
      h.Item(c.item)->trigger();
      QCoreApplication::processEvents();
      QVERIFY2(c.reached(), c.item);
    }
    // The session asks before unsaved work goes.
    AddSurveyorLine(h, "10", "100");
    h.Item("mnuFileNew")->trigger();
    QCOMPARE(w.questions.asked.size(), size_t(1));
  }

  // No option would otherwise be down, and nothing is written until the
  // user chooses.
  void firstRunShowsSurveyorWithoutWritingSettings() {
    WindowHarness h;
    QVERIFY(h.window().isMaximized());
    QVERIFY(h.Get<QPushButton>("optSurveyor")->isChecked());
    QVERIFY(h.Item("mnuSetSurveyor")->isChecked());
    CheckOnlyStripShown(h, "frameSurveyor");
    QVERIFY(h.Get<QPushButton>("cmdAddLine")->isDefault());
    QVERIFY(!Enabled(h, "cmdUndo"));
    QVERIFY(!QFile::exists(QString::fromStdString(h.SettingsPath())));
  }

  // Loading runs the handlers but leaves the file as it was.
  void storedSettingsApplyThroughTheHandlers() {
    const std::string stored = "[SETTINGS]\r\nMODE=Carpenter\r\nSYSTEM=SI Metric\r\n";
    WindowHarness h(stored);
    CheckOnlyStripShown(h, "frameCarpenter");
    QCOMPARE(h.Get<QLabel>("lblCarpDistMajor")->text(), QString("Meters"));
    QCOMPARE(h.Get<QLabel>("lblCarpDistMinor")->text(), QString("Centimeters"));
    QVERIFY(h.Item("mnuSetMetric")->isChecked());
    QCOMPARE(h.SettingsText(), stored);
  }

  void modeMenuItemWorksAsTheOption() {
    WindowHarness h;
    h.Item("mnuSetCarpenter")->trigger();
    QVERIFY(h.Get<QPushButton>("optCarpenter")->isChecked());
    QVERIFY(!h.Get<QPushButton>("optSurveyor")->isChecked());
    QVERIFY(!h.Item("mnuSetSurveyor")->isChecked());
    CheckOnlyStripShown(h, "frameCarpenter");
    QVERIFY(h.Get<QPushButton>("cmdCarpAddLine")->isDefault());
    QVERIFY(!h.Get<QPushButton>("cmdAddLine")->isDefault());
    QCOMPARE(h.Get<QPushButton>("optCarpenter")->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(QApplication::focusWidget(), h.Get("icmbCarpenter"));
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nMODE=Carpenter\r\n"));

    h.Click("optPoint");
    CheckOnlyStripShown(h, "framePoint");
    QCOMPARE(QApplication::focusWidget(), h.Get("txtPtX"));
    QVERIFY(h.Item("mnuSetPoint")->isChecked());
  }

  void enterInAFieldPressesTheVisibleStripsButton() {
    const struct {
      const char *mode_item, *field;
      QString entry;
    } cases[] = {{"mnuSetSurveyor", "cmbDirections", "NE 00" + kDeg + "00'00'' @07LF"},
                 {"mnuSetCarpenter", "txtCarInches", "NE 90" + kDeg + "00'00'' @ 7LF"},
                 {"mnuSetPoint", "txtPtY", "7 , 7"}};
    for (const auto& c : cases) {
      WindowHarness h;
      h.Item(c.mode_item)->trigger();
      for (const char* box : {"txtLength", "txtCarDistance", "txtPtX", "txtPtY"})
        h.Get<QLineEdit>(box)->setText("7");
      h.PressEnterIn(c.field);
      QCOMPARE(h.Lines(), QStringList({c.entry}));
      // Enter on a command button with the focus presses that button.
      h.PressEnterIn("cmdUndo");
      QVERIFY(h.Lines().isEmpty());
    }
  }

  // Listed, logged, the boxes emptied, the focus back at the start of the
  // strip, Undo on and the modes and units locked to the line.
  void addLineEmptiesTheBoxesAndLocks() {
    WindowHarness h;
    h.Type("txtMinutes", "30");
    h.Type("txtSeconds", "15");
    AddSurveyorLine(h, "45", "100");
    const QString entry = "NE 45" + kDeg + "30'15'' @100LF";
    QCOMPARE(h.Lines(), QStringList({entry}));
    QVERIFY(h.Log().startsWith("\nAdded line: " + entry));
    for (const char* box : {"TxtDegrees", "txtMinutes", "txtSeconds", "txtLength"})
      QCOMPARE(Text(h, box), QString());
    QCOMPARE(QApplication::focusWidget(), h.Get("cmbDirections"));
    QVERIFY(Enabled(h, "cmdUndo"));
    QVERIFY(!Enabled(h, "optPoint"));
    QVERIFY(!Enabled(h, "mnuSetPoint"));
    QVERIFY(Enabled(h, "optCarpenter"));
    QVERIFY(h.Item("mnuSetImperial")->isChecked());
    QVERIFY(!Enabled(h, "mnuSetMetric"));
  }

  // The message of a refused line; the boxes are kept for correction.
  void unreadableLineShowsOneMessage() {
    WindowHarness h;
    AddSurveyorLine(h, "2.5", "10");
    QVERIFY(h.Lines().isEmpty());
    QCOMPARE(h.Messages().size(), size_t(1));
    QCOMPARE(h.Messages()[0].title, std::string("Quadrell"));
    QCOMPARE(Text(h, "TxtDegrees"), QString("2.5"));
    QVERIFY(!Enabled(h, "cmdUndo"));
  }

  void carpenterLabelsFollowTheUnitSystem() {
    WindowHarness h;
    h.Click("optCarpenter");
    h.Item("mnuSetMetric")->trigger();
    QVERIFY(!h.Item("mnuSetImperial")->isChecked());
    QCOMPARE(h.Get<QLabel>("lblCarpDistMajor")->text(), QString("Meters"));
    h.Type("txtCarDistance", "3");
    h.Type("txtCarInches", "25");
    h.Click("cmdCarpAddLine");
    QCOMPARE(h.Lines(), QStringList({"NE 90" + kDeg + "00'00'' @ 3.25m."}));
    QCOMPARE(QApplication::focusWidget(), h.Get("icmbCarpenter"));
    QCOMPARE(Text(h, "txtCarDistance") + Text(h, "txtCarInches"), QString());
    QVERIFY(!Enabled(h, "mnuSetImperial"));
    h.Click("cmdClear");
    h.Item("mnuSetImperial")->trigger();
    QCOMPARE(h.Get<QLabel>("lblCarpDistMajor")->text(), QString("Feet"));
    QCOMPARE(h.Get<QLabel>("lblCarpDistMinor")->text(), QString("Inches"));
  }

  // Points carry no unit: the unit system stays free.
  void pointButtonAddsAndLocksTheModesOnly() {
    WindowHarness h("[SETTINGS]\r\nMODE=Point\r\n");
    h.Type("txtPtX", "10");
    h.Type("txtPtY", "0");
    h.Click("cmdPOINTAddLine");
    QCOMPARE(h.Lines(), QStringList({"10 , 0"}));
    QCOMPARE(QApplication::focusWidget(), h.Get("txtPtX"));
    QVERIFY(!Enabled(h, "optSurveyor"));
    QVERIFY(!Enabled(h, "mnuSetCarpenter"));
    QVERIFY(Enabled(h, "mnuSetMetric"));
    QVERIFY(Enabled(h, "mnuSetImperial"));
  }

  // Undo stays in step with the list, so it can never run on an empty one.
  void undoClearAndNew() {
    WindowHarness h;
    AddSurveyorLine(h, "", "10");
    AddSurveyorLine(h, "90", "10");
    h.Click("cmdUndo");
    QCOMPARE(h.Lines().size(), 1);
    QVERIFY(h.Log().endsWith("\nLine Removed"));
    QVERIFY(Enabled(h, "cmdUndo"));
    h.Click("cmdUndo");
    QVERIFY(h.Lines().isEmpty());
    QVERIFY(!Enabled(h, "cmdUndo"));
    QVERIFY(Enabled(h, "optPoint"));
    QVERIFY(Enabled(h, "mnuSetMetric"));

    AddSurveyorLine(h, "", "10");
    h.Click("cmdNew");
    QVERIFY(h.Lines().isEmpty());
    QVERIFY(!Enabled(h, "cmdUndo"));
    h.Click("cmdClear");
    h.Item("mnuFileNew")->trigger();
    QVERIFY(h.Log().endsWith("\nCleared\nCleared\nCleared"));
  }

  void zoomButtonsAndMenus() {
    WindowHarness h;
    h.Click("cmdZoomIN");
    h.Item("mnuZoomIN")->trigger();
    h.Click("cmdZoomOut");
    h.Item("mnuZoomOut")->trigger();
    h.Click("cmdRedraw");
    h.Item("mnuRedraw")->trigger();
    QCOMPARE(h.Log(), QString("\nZoom In x.5\nZoom In x.5\nZoom Out x.5\nZoom Out x.5"
                              "\nRe-Draw\nRe-Draw"));
  }

  void boxesTakeOnlyNumberCharacters() {
    WindowHarness h;
    auto* box = h.Get<QLineEdit>("txtLength");
    h.Type("txtLength", "a1 ,+-2..3");
    QCOMPARE(box->text(), QString("1-2..3"));
    box->setText("12");
    QApplication::clipboard()->setText("x9");
    for (Qt::Key key : {Qt::Key_V, Qt::Key_A, Qt::Key_X, Qt::Key_Z})
      QTest::keyClick(box, key, Qt::ControlModifier);
    QCOMPARE(box->text(), QString("12"));
    // A drop and a paste from the context menu go through the same gate.
    QMimeData dropped;
    dropped.setText("7x");
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    box->paste();
    QCOMPARE(box->text(), QString("12"));
    // Keys without a character code still edit.
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QString("2"));
  }

  // By Tab or by a click, the next digit replaces the text.
  void enteringABoxSelectsItsText() {
    WindowHarness h;
    auto* minutes = h.Get<QLineEdit>("txtMinutes");
    minutes->setText("123");
    h.Get("TxtDegrees")->setFocus();
    QTest::keyClick(h.Get("TxtDegrees"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), minutes);
    QTest::keyClicks(minutes, "4");
    QCOMPARE(minutes->text(), QString("4"));

    auto* seconds = h.Get<QLineEdit>("txtSeconds");
    seconds->setText("1");
    QTest::mouseClick(seconds, Qt::LeftButton, Qt::NoModifier, QPoint(4, 5));
    QCOMPARE(QApplication::focusWidget(), seconds);
    QTest::keyClicks(seconds, "2");
    QCOMPARE(seconds->text(), QString("2"));
    // A second click, in a box that has the focus, places the caret.
    QTest::mouseClick(seconds, Qt::LeftButton, Qt::NoModifier, QPoint(30, 5));
    QTest::keyClicks(seconds, "5");
    QCOMPARE(seconds->text(), QString("25"));
  }

  void angleBoxesCheckTheirRangeWhenLeft() {
    const struct {
      const char *box, *text, *message;
    } cases[] = {
        {"TxtDegrees", "90", ""},
        {"TxtDegrees", "95", "Invalid number entered  (>90)"},
        {"txtSeconds", "61", "Invalid number entered  (>60)"},
        {"txtLength", "5000", ""},  // the distance is not checked
    };
    for (const auto& c : cases) {
      WindowHarness h;
      h.Type(c.box, c.text);
      QTest::keyClick(h.Get(c.box), Qt::Key_Tab);
      QCoreApplication::processEvents();
      if (!*c.message) {
        QVERIFY2(h.Messages().empty(), c.text);
        QVERIFY2(QApplication::focusWidget() != h.Get(c.box), c.text);
        continue;
      }
      QCOMPARE(h.Messages().size(), size_t(1));
      QCOMPARE(h.Messages()[0].text, std::string(c.message));
      QCOMPARE(h.Messages()[0].title, std::string("Quadrell"));
      QCOMPARE(QApplication::focusWidget(), h.Get(c.box));
      QCOMPARE(Text(h, c.box), QString(c.text));
    }
  }

  // Two boxes over their limits must not bounce the focus between them, and
  // a click on Add Line that left the box adds nothing.
  void rangeMessageComesOnceAndStopsTheClick() {
    WindowHarness h;
    h.Get<QLineEdit>("txtMinutes")->setText("70");
    h.Type("txtLength", "10");
    h.Type("TxtDegrees", "95");
    QTest::keyClick(h.Get("TxtDegrees"), Qt::Key_Tab);
    for (int i = 0; i < 5; ++i)
      QCoreApplication::processEvents();
    QCOMPARE(h.Messages().size(), size_t(1));
    QCOMPARE(QApplication::focusWidget(), h.Get("TxtDegrees"));
    h.Click("cmdAddLine");
    QCoreApplication::processEvents();
    QCOMPARE(h.Messages().size(), size_t(2));
    QVERIFY(h.Lines().isEmpty());
    QCOMPARE(QApplication::focusWidget(), h.Get("TxtDegrees"));
    h.Type("TxtDegrees", "45");
    h.Get<QLineEdit>("txtMinutes")->clear();
    h.Click("cmdAddLine");
    QCOMPARE(h.Messages().size(), size_t(2));
    QCOMPARE(h.Lines(), QStringList({"NE 45" + kDeg + "00'00'' @10LF"}));
  }

  // With the real modal box, its own focus changes must not start the check
  // again, and the focus ends in the box once it is closed.
  void rangeMessageWithTheModalBox() {
    tw::test::ScratchFolder folder;
    tw::QtMessageBox messages;
    tw::MainWindow window(messages, folder.File("Quadrell.ini"));
    messages.SetParent(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* degrees = window.findChild<QLineEdit*>("TxtDegrees");
    window.findChild<QLineEdit*>("txtMinutes")->setText("75");
    degrees->setFocus();
    QTest::keyClicks(degrees, "95");
    QStringList shown;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        shown << box->text();
        box->accept();
      }
    });
    closer.start(10);
    QTest::keyClick(degrees, Qt::Key_Tab);
    QTRY_COMPARE(shown.size(), 1);
    QTest::qWait(100);
    QCOMPARE(shown, QStringList({"Invalid number entered  (>90)"}));
    QCOMPARE(window.focusWidget(), degrees);
  }

  // Qt reports a menu, a deactivated window and a hidden strip as focus
  // loss; none of them is a move to another control.
  void noRangeCheckWhenFocusGoesElsewhere() {
    for (Qt::FocusReason reason :
         {Qt::PopupFocusReason, Qt::MenuBarFocusReason, Qt::ActiveWindowFocusReason}) {
      WindowHarness h;
      h.Type("TxtDegrees", "95");
      QFocusEvent out(QEvent::FocusOut, reason);
      QApplication::sendEvent(h.Get("TxtDegrees"), &out);
      QCoreApplication::processEvents();
      QVERIFY(h.Messages().empty());
    }
    WindowHarness h;
    h.Type("TxtDegrees", "95");
    h.Item("mnuSetCarpenter")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(h.Messages().empty());
    QCOMPARE(QApplication::focusWidget(), h.Get("icmbCarpenter"));
  }

  void listValidateUpdatesTheUnitMenus() {
    WindowHarness h;
    AddSurveyorLine(h, "", "10");
    h.Item("mnuSetMetric")->setEnabled(true);
    h.Get("LstBearings")->setFocus();
    QTest::keyClick(h.Get("LstBearings"), Qt::Key_Tab);
    QVERIFY(!Enabled(h, "mnuSetMetric"));
  }

  void resizingReplotsAndStopsAtTheMinimum() {
    WindowHarness h;
    AddSurveyorLine(h, "", "10");
    const qsizetype before = h.Log().size();
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(200, 100);
    QCoreApplication::processEvents();
    QVERIFY(h.Log().mid(before).contains("\nClosure: 10.00"));
    const QSize smallest = h.window().centralWidget()->size();
    QVERIFY(smallest.width() * 15 + 120 >= 11500);
    QVERIFY(smallest.height() * 15 + 765 >= 5500);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
