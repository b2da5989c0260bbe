// Drives the real main window offscreen: typed keys, clicks and menu items,
// checked against the list, the log, the control states and the focus.
#include <QClipboard>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QtTest>

#include "shell/plot_surface.h"
#include "shell/qt_message_box.h"
#include "window_harness.h"

using tw::test::WindowHarness;

namespace {

const QString kDeg = QString(QChar(0xB0));
const char* const kStrips[] = {"frameSurveyor", "frameCarpenter", "framePoint"};

void AddSurveyorLine(WindowHarness& h, const QString& degrees, const QString& minutes,
                     const QString& seconds, const QString& length) {
  h.Type("TxtDegrees", degrees);
  h.Type("txtMinutes", minutes);
  h.Type("txtSeconds", seconds);
  h.Type("txtLength", length);
  h.Click("cmdAddLine");
}

void AddPoint(WindowHarness& h, const QString& x, const QString& y) {
  h.Type("txtPtX", x);
  h.Type("txtPtY", y);
  h.Click("cmdPOINTAddLine");
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
  for (const char* frame : kStrips)
    QVERIFY2(h.Get<QFrame>(frame)->isVisible() == (qstrcmp(frame, strip) == 0), frame);
}

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  // Picture buttons carry an icon and no caption.
  void buttonsCarryTheirCaptionsAndTooltips() {
    WindowHarness h;
    // clang-format off
    const struct {
      const char *name, *caption, *tooltip;
    } buttons[] = {
        {"cmdNew", "", "New"}, {"cmdOpen", "", "Open.."}, {"cmdSave", "", "Save as.."},
        {"cmdExportDXF", "", "DXF Export"}, {"cmdExportPts", "", "Point Export"},
        {"cmdReport", "", "Boundary Report"}, {"optSurveyor", "", "Switch to Survey Mode"},
        {"optCarpenter", "", "Switch to Carpenter Mode"}, {"optPoint", "", ""},
        {"cmdHelp", "", ""}, {"cmdZoomIN", "", "Zoom In"}, {"cmdZoomOut", "", "Zoom Out"},
        {"cmdRedraw", "", "Re-Draw"}, {"cmdUndo", "Undo", "Undo last item"},
        {"cmdClear", "Clear", "Clear all"}, {"cmdAddLine", "Add Line", "Add new line"},
        {"cmdCarpAddLine", "Add Line", ""}, {"cmdPOINTAddLine", "Add Point", ""}};
    // clang-format on
    for (const auto& b : buttons) {
      auto* button = h.Get<QAbstractButton>(b.name);
      QCOMPARE(button->text(), QString(b.caption));
      QCOMPARE(button->toolTip(), QString(b.tooltip));
      QVERIFY2(*b.caption || !button->icon().isNull(), b.name);
    }
    QCOMPARE(h.Get<QWidget>("TxtReport")->toolTip(), QString("Status bar"));
    QVERIFY(h.Get<QPlainTextEdit>("TxtReport")->isReadOnly());
    QVERIFY(h.Get<QListWidget>("LstBearings")->uniformItemSizes());
    auto* carpenter = h.Get<QComboBox>("icmbCarpenter");
    QCOMPARE(carpenter->currentText(), QString("0 Degrees"));
    QCOMPARE(carpenter->itemText(7), QString("315 Degrees"));
    QVERIFY(!carpenter->itemIcon(3).isNull());
  }

  void menusHoldTheirItemsInOrder() {
    WindowHarness h;
    const struct {
      const char* menu;
      const char* title;
      QStringList items;  // object names, "-" for a separator
    } menus[] = {
        {"MnuPopList",
         "File",
         {"mnuFileNew:New", "mnuFileOpen:Open..", "mnuFileSave:Save as..", "mnuFileSeparator1:-",
          "mnuFileImportPts:Import Points..", "mnuFileSeparator4:-",
          "mnuFileExPoints:Export Points..", "mnuFileDxfExport:Export to DXF..",
          "mnuFileSeparator2:-", "mnuFileReport:Report", "mnuFileSeparator3:-",
          "mnuFileClose:Close"}},
        {"mnuView", "View", {"mnuZoomIN:Zoom In", "mnuZoomOut:Zoom Out", "mnuRedraw:Re-Draw"}},
        {"mnuSettings",
         "Settings",
         {"mnuSetMetric:SI Metric System", "mnuSetImperial:US Imperial System",
          "mnuSetSeparator1:-", "mnuSetSurveyor:Surveyor Mode", "mnuSetCarpenter:Carpenter Mode",
          "mnuSetPoint:Point Mode"}},
        {"mnuHelp", "Help", {"mnuHelpHelp:Help", "mnuHelpSeparator1:-", "mnuHelpAbout:About"}}};
    QStringList titles;
    for (QAction* a : h.window().menuBar()->actions())
      titles << a->text();
    QCOMPARE(titles, QStringList({"File", "View", "Settings", "Help"}));
    for (const auto& m : menus) {
      auto* menu = h.Get<QMenu>(m.menu);
      QCOMPARE(menu->title(), QString(m.title));
      QStringList items;
      for (QAction* a : menu->actions()) {
        items << a->objectName() + ":" + (a->isSeparator() ? "-" : a->text());
        QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
      }
      QCOMPARE(items, m.items);
    }
  }

  // No option would otherwise be down, and nothing is written until the
  // user chooses.
  void firstRunShowsSurveyorWithoutWritingSettings() {
    WindowHarness h;
    QCOMPARE(h.window().windowTitle(), QString("Quadrell    - Version 1.1.2"));
    QVERIFY(h.window().isMaximized());
    QVERIFY(h.Get<QPushButton>("optSurveyor")->isChecked());
    QVERIFY(h.Item("mnuSetSurveyor")->isChecked());
    QVERIFY(!h.Item("mnuSetCarpenter")->isChecked());
    CheckOnlyStripShown(h, "frameSurveyor");
    QVERIFY(h.Get<QPushButton>("cmdAddLine")->isDefault());
    QVERIFY(!Enabled(h, "cmdUndo"));
    QVERIFY(!h.Item("mnuSetImperial")->isChecked());
    QVERIFY(!h.Item("mnuSetMetric")->isChecked());
    QCOMPARE(h.window().program().state.UnitAbbrev, std::string("LF"));
    QCOMPARE(h.window().program().state.EntryMode, std::string("Surveyor"));
    QVERIFY(!QFile::exists(QString::fromStdString(h.SettingsPath())));
    QCOMPARE(h.Log(), QString());
  }

  // MODE and SYSTEM match exactly; loading runs the handlers but leaves
  // the file as it was.
  void storedSettingsApplyThroughTheHandlers() {
    const struct {
      const char *stored, *strip, *major;
    } cases[] = {
        {"[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n", "framePoint", "Meters"},
        {"[SETTINGS]\r\nMODE=Carpenter\r\nSYSTEM=SI Metric\r\n", "frameCarpenter", "Meters"},
        {"[SETTINGS]\r\nMODE=point\r\nSYSTEM=US Imperial\r\n", "frameSurveyor", "Feet"},
        {"[SETTINGS]\r\nMODE=Surveyor\r\nSYSTEM=metric\r\n", "frameSurveyor", "Feet"}};
    for (const auto& c : cases) {
      WindowHarness h(c.stored);
      CheckOnlyStripShown(h, c.strip);
      QCOMPARE(h.Get<QLabel>("lblCarpDistMajor")->text(), QString(c.major));
      QCOMPARE(h.Item("mnuSetMetric")->isChecked(), qstrcmp(c.major, "Meters") == 0);
      QCOMPARE(h.SettingsText(), std::string(c.stored));
    }
  }

  void modeMenuItemWorksAsTheOption() {
    WindowHarness h;
    h.Item("mnuSetCarpenter")->trigger();
    QVERIFY(h.Get<QPushButton>("optCarpenter")->isChecked());
    QVERIFY(!h.Get<QPushButton>("optSurveyor")->isChecked());
    QVERIFY(h.Item("mnuSetCarpenter")->isChecked());
    QVERIFY(!h.Item("mnuSetSurveyor")->isChecked());
    CheckOnlyStripShown(h, "frameCarpenter");
    QVERIFY(h.Get<QPushButton>("cmdCarpAddLine")->isDefault());
    QVERIFY(!h.Get<QPushButton>("cmdAddLine")->isDefault());
    QCOMPARE(h.Get<QPushButton>("optCarpenter")->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(QApplication::focusWidget(), h.Get("icmbCarpenter"));
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nMODE=Carpenter\r\n"));
    QCOMPARE(h.window().program().state.EntryMode, std::string("Carpenter"));

    h.Click("optPoint");
    CheckOnlyStripShown(h, "framePoint");
    QCOMPARE(QApplication::focusWidget(), h.Get("txtPtX"));
    QVERIFY(h.Item("mnuSetPoint")->isChecked());
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nMODE=Point\r\n"));
  }

  void enterInAFieldPressesTheVisibleStripsButton() {
    const struct {
      const char *mode_item, *field;
      QString entry;
    } cases[] = {{"mnuSetSurveyor", "TxtDegrees", "NE 00" + kDeg + "00'00'' @07LF"},
                 {"mnuSetSurveyor", "cmbDirections", "NE 00" + kDeg + "00'00'' @07LF"},
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

  // Listed, logged with the closure (the area from the second line on), the
  // boxes emptied, Undo on and the modes and units locked to the line.
  void surveyorLinesAreListedLoggedAndLock() {
    WindowHarness h;
    AddSurveyorLine(h, "45", "30", "15", "100");
    const QString entry = "NE 45" + kDeg + "30'15'' @100LF";
    QCOMPARE(h.Lines(), QStringList({entry}));
    QCOMPARE(h.Log(), "\nAdded line: " + entry + "\nClosure: 100.00");
    for (const char* box : {"TxtDegrees", "txtMinutes", "txtSeconds", "txtLength"})
      QCOMPARE(Text(h, box), QString());
    QCOMPARE(QApplication::focusWidget(), h.Get("cmbDirections"));
    QVERIFY(Enabled(h, "cmdUndo"));
    QVERIFY(!Enabled(h, "optPoint"));
    QVERIFY(!Enabled(h, "mnuSetPoint"));
    QVERIFY(Enabled(h, "optCarpenter"));
    QVERIFY(h.Item("mnuSetImperial")->isChecked());
    QVERIFY(!Enabled(h, "mnuSetMetric"));
    QCOMPARE(h.Get<QListWidget>("LstBearings")->currentRow(), -1);

    WindowHarness square;
    AddSurveyorLine(square, "90", "", "", "10");
    AddSurveyorLine(square, "", "", "", "10");
    QCOMPARE(square.Log(), "\nAdded line: NE 90" + kDeg + "00'00'' @10LF\nClosure: 10.00" +
                               "\nAdded line: NE 00" + kDeg +
                               "00'00'' @10LF\nClosure: " + "14.1421356 Area: 50.00");
  }

  // Without a distance the angles are only padded; an unreadable angle is
  // refused with one message and the boxes kept for correction.
  void incompleteOrUnreadableSurveyorLineAddsNothing() {
    WindowHarness h;
    h.Type("TxtDegrees", "7");
    h.Click("cmdAddLine");
    QCOMPARE(Text(h, "txtMinutes"), QString("00"));
    QCOMPARE(Text(h, "txtSeconds"), QString("00"));
    QVERIFY(h.Messages().empty());

    AddSurveyorLine(h, "2.5", "", "", "10");
    QVERIFY(h.Lines().isEmpty());
    QCOMPARE(h.Messages().size(), size_t(1));
    QCOMPARE(h.Messages()[0].title, std::string("Quadrell"));
    QCOMPARE(Text(h, "TxtDegrees"), QString("2.5"));
    QCOMPARE(Text(h, "txtLength"), QString("10"));
    QCOMPARE(h.Log(), QString());
    QVERIFY(!Enabled(h, "cmdUndo"));
  }

  void carpenterLineUnderBothUnitSystems() {
    WindowHarness h;
    h.Click("optCarpenter");
    h.Type("txtCarDistance", "12");
    h.Type("txtCarInches", "6");
    h.Click("cmdCarpAddLine");
    QCOMPARE(h.Lines(), QStringList({"NE 90" + kDeg + "00'00'' @ 12.5LF"}));
    QCOMPARE(h.Log(), "\nAdded line: NE 90" + kDeg + "00'00'' @ 12.5LF\nClosure: 12.50");
    QCOMPARE(QApplication::focusWidget(), h.Get("icmbCarpenter"));
    QCOMPARE(Text(h, "txtCarDistance"), QString());
    QVERIFY(!Enabled(h, "mnuSetMetric"));

    h.Click("cmdClear");
    h.Item("mnuSetMetric")->trigger();
    QVERIFY(h.Item("mnuSetMetric")->isChecked());
    QVERIFY(!h.Item("mnuSetImperial")->isChecked());
    QCOMPARE(h.Get<QLabel>("lblCarpDistMajor")->text(), QString("Meters"));
    QCOMPARE(h.Get<QLabel>("lblCarpDistMinor")->text(), QString("Centimeters"));
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nMODE=Carpenter\r\nSYSTEM=SI Metric\r\n"));
    h.Get<QComboBox>("icmbCarpenter")->setCurrentText("180 Degrees");
    h.Type("txtCarDistance", "3");
    h.Type("txtCarInches", "25");
    h.Click("cmdCarpAddLine");
    QCOMPARE(h.Lines(), QStringList({"SW 90" + kDeg + "00'00'' @ 3.25m."}));
    QVERIFY(!Enabled(h, "mnuSetImperial"));
    QCOMPARE(h.Get<QComboBox>("icmbCarpenter")->currentText(), QString("180 Degrees"));
  }

  // Each add replots the whole list: three closures, the area on the last.
  void pointsReplotAndLogAllClosures() {
    WindowHarness h("[SETTINGS]\r\nMODE=Point\r\n");
    AddPoint(h, "0", "0");
    AddPoint(h, "10", "0");
    const qsizetype before = h.Log().size();
    AddPoint(h, "10", "10");
    QCOMPARE(h.Log().mid(before), QString("\nClosure: 00.00\nClosure: 10.00\nClosure: 14.1421356 "
                                          "Area: 50.00"));
    QCOMPARE(h.Lines(), QStringList({"0 , 0", "10 , 0", "10 , 10"}));
    QVERIFY(!h.Log().contains("Added line"));
    QCOMPARE(h.Get<QListWidget>("LstBearings")->currentRow(), 2);
    QCOMPARE(QApplication::focusWidget(), h.Get("txtPtX"));
    QVERIFY(!Enabled(h, "optSurveyor"));
    QVERIFY(!Enabled(h, "mnuSetCarpenter"));
    // Points carry no unit: the unit system stays free.
    QVERIFY(Enabled(h, "mnuSetMetric"));
    QVERIFY(Enabled(h, "mnuSetImperial"));

    h.Type("txtPtX", "5");
    h.Click("cmdPOINTAddLine");
    QCOMPARE(h.Lines().size(), 3);
    QCOMPARE(Text(h, "txtPtX"), QString("5"));
  }

  // Undo stays in step with the list, so it can never run on an empty one.
  void undoAndClear() {
    WindowHarness h;
    AddSurveyorLine(h, "", "", "", "10");
    AddSurveyorLine(h, "90", "", "", "10");
    AddSurveyorLine(h, "45", "", "", "10");
    const qsizetype before = h.Log().size();
    h.Click("cmdUndo");
    QCOMPARE(h.Lines().size(), 2);
    QCOMPARE(h.Log().mid(before).count("\nClosure: "), 2);
    QVERIFY(h.Log().endsWith("\nLine Removed"));
    QVERIFY(Enabled(h, "cmdUndo"));
    QCOMPARE(h.Get<QListWidget>("LstBearings")->currentRow(), 1);

    h.Click("cmdUndo");
    h.Click("cmdUndo");
    QVERIFY(h.Lines().isEmpty());
    for (const char* name : {"optPoint", "mnuSetPoint", "mnuSetMetric"})
      QVERIFY2(Enabled(h, name), name);
    QVERIFY(!Enabled(h, "cmdUndo"));

    AddSurveyorLine(h, "", "", "", "10");
    h.Item("mnuZoomIN")->trigger();
    h.Click("cmdNew");
    QVERIFY(h.Lines().isEmpty());
    QVERIFY(h.Log().endsWith("\nZoom In x.5\nCleared"));
    QVERIFY(!Enabled(h, "cmdUndo"));
    QCOMPARE(h.window().program().state.PlotExtentX, 200.0);
    h.Click("cmdClear");
    QVERIFY(h.Log().endsWith("\nCleared\nCleared"));
  }

  void zoomAndRedraw() {
    WindowHarness h;
    h.Click("cmdZoomIN");
    h.Item("mnuZoomIN")->trigger();
    QCOMPARE(h.Log(), QString("\nZoom In x.5\nZoom In x.5"));
    QCOMPARE(h.window().program().state.PlotExtentX, 300 / 1.5 / 1.5);
    QCOMPARE(h.window().program().state.PlotExtentY, 300 / 1.5 / 1.5);
    h.Click("cmdZoomOut");
    QVERIFY(h.Log().endsWith("\nZoom Out x.5"));
    h.Item("mnuRedraw")->trigger();
    QVERIFY(h.Log().endsWith("\nRe-Draw"));
    QCOMPARE(h.window().program().state.PlotExtentX, 300.0);
  }

  void boxesTakeOnlyNumberCharacters() {
    const struct {
      const char *typed, *kept;
    } cases[] = {{"a ,+", ""}, {"-1.5", "-1.5"}, {"1-2..3", "1-2..3"}, {"1a2", "12"}};
    WindowHarness h;
    for (const auto& c : cases) {
      h.Get<QLineEdit>("txtLength")->clear();
      h.Type("txtLength", c.typed);
      QCOMPARE(Text(h, "txtLength"), QString(c.kept));
    }
  }

  void clipboardShortcutsAndPasteBringNothingIn() {
    WindowHarness h;
    auto* box = h.Get<QLineEdit>("txtLength");
    h.Type("txtLength", "12");
    QApplication::clipboard()->setText("x9");
    for (Qt::Key key : {Qt::Key_V, Qt::Key_A, Qt::Key_X, Qt::Key_Z})
      QTest::keyClick(box, key, Qt::ControlModifier);
    QCOMPARE(box->text(), QString("12"));
    QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QString("x9"));
    // A drop goes through the same gate as a paste.
    QMimeData dropped;
    dropped.setText("7x");
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &dropped, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(box, &drop);
    QCOMPARE(box->text(), QString("12"));
    // Paste as the context menu does it: text with other characters is kept
    // out whole.
    box->paste();
    QCOMPARE(box->text(), QString("12"));
    QApplication::clipboard()->setText("34");
    box->paste();
    QVERIFY(box->text().contains("34"));
    // Keys without a character code still edit.
    box->setText("123");
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QString("23"));
  }

  void tabbingIntoABoxSelectsItsText() {
    WindowHarness h;
    h.Get<QLineEdit>("txtMinutes")->setText("123");
    h.Get("TxtDegrees")->setFocus();
    QTest::keyClick(h.Get("TxtDegrees"), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), h.Get("txtMinutes"));
    QCOMPARE(h.Get<QLineEdit>("txtMinutes")->selectedText(), QString("123"));
    QTest::keyClicks(h.Get("txtMinutes"), "4");
    QCOMPARE(Text(h, "txtMinutes"), QString("4"));
  }

  void angleBoxesCheckTheirRangeWhenLeft() {
    const struct {
      const char *box, *text, *message;
    } cases[] = {
        {"TxtDegrees", "90", ""},
        {"TxtDegrees", "90.0001", "Invalid number entered  (>90)"},
        {"txtMinutes", "60", ""},
        {"txtMinutes", "61", "Invalid number entered  (>60)"},
        {"txtSeconds", "61.2.3", "Invalid number entered  (>60)"},  // the leading number
        {"txtSeconds", "-500", ""},
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
      QVERIFY(h.Messages()[0].icon == tw::MessageIcon::None);
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
    QTest::qWait(300);
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
    AddSurveyorLine(h, "", "", "", "10");
    h.Item("mnuSetMetric")->setEnabled(true);
    h.Get("LstBearings")->setFocus();
    QTest::keyClick(h.Get("LstBearings"), Qt::Key_Tab);
    QVERIFY(!Enabled(h, "mnuSetMetric"));
  }

  void layoutFollowsTheWindowSizeAndReplots() {
    WindowHarness h;
    AddSurveyorLine(h, "", "", "", "10");
    const qsizetype before = h.Log().size();
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(1000, 700);
    QCoreApplication::processEvents();
    QVERIFY(h.Log().mid(before).contains("\nClosure: 10.00"));
    const QSize client = h.window().centralWidget()->size();
    const int w = client.width() * 15 + 120;
    const int h_twips = client.height() * 15 + 765;
    auto px = [](double twips) { return qRound(twips / 15); };
    const QRect plot = h.Get("pbDrawing")->geometry();
    QCOMPARE(plot, QRect(1, 40, px(w - 2805), px(h_twips - 2775)));
    const int pw = plot.width() * 15;
    const int ph = plot.height() * 15;
    QCOMPARE(h.Get("LstBearings")->geometry(), QRect(px(pw + 105), 216, 169, px(ph - 2655)));
    QCOMPARE(h.Get("TxtReport")->geometry(), QRect(1, px(ph + 1200), px(w - 210), 49));
    QCOMPARE(h.Get("frameSurveyor")->geometry(), QRect(0, px(ph + 775), px(w - 2400), 25));
    QCOMPARE(h.Get("cmdAddLine")->x(), px(w - 3825));
    QCOMPARE(h.Get<tw::PlotSurface>("pbDrawing")->Picture().size(), plot.size());

    h.window().resize(200, 100);
    QCoreApplication::processEvents();
    const QSize smallest = h.window().centralWidget()->size();
    QVERIFY(smallest.width() * 15 + 120 >= 11500);
    QVERIFY(smallest.height() * 15 + 765 >= 5500);
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
