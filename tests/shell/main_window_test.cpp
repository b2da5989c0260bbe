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

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void controlsCarryTheirCaptionsAndTooltips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    const struct {
      const char *name, *caption, *tooltip;
    } rows[] = {
        {"cmdNew", "", "New"},
        {"cmdOpen", "", "Open.."},
        {"cmdSave", "", "Save as.."},
        {"cmdExportDXF", "", "DXF Export"},
        {"cmdExportPts", "", "Point Export"},
        {"cmdReport", "", "Boundary Report"},
        {"optSurveyor", "", "Switch to Survey Mode"},
        {"optCarpenter", "", "Switch to Carpenter Mode"},
        {"optPoint", "", ""},
        {"cmdHelp", "", ""},
        {"cmdZoomIN", "", "Zoom In"},
        {"cmdZoomOut", "", "Zoom Out"},
        {"cmdRedraw", "", "Re-Draw"},
        {"cmdUndo", "Undo", "Undo last item"},
        {"cmdClear", "Clear", "Clear all"},
        {"cmdAddLine", "Add Line", "Add new line"},
        {"cmdCarpAddLine", "Add Line", ""},
        {"cmdPOINTAddLine", "Add Point", ""},
    };
    for (const auto& r : rows)
      QTest::newRow(r.name) << r.name << r.caption << r.tooltip;
  }
  void controlsCarryTheirCaptionsAndTooltips() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    WindowHarness h;
    auto* button = h.Get<QAbstractButton>(name.toLatin1().constData());
    QCOMPARE(button->text(), caption);
    QCOMPARE(button->toolTip(), tooltip);
    if (caption.isEmpty())
      QVERIFY(!button->icon().isNull());
  }

  void labelsAndBoxesAreNamed() {
    WindowHarness h;
    const struct {
      const char *name, *caption;
    } labels[] = {
        {"lblDegrees", "Degrees"},      {"lblMinutes", "Minutes"}, {"lblSeconds", "Seconds"},
        {"lblLength", "Distance"},      {"Label1", "Angle"},       {"lblCarpDistMajor", "Feet"},
        {"lblCarpDistMinor", "Inches"}, {"Label2", "X (Easting)"}, {"Label3", "Y (Northing)"}};
    for (const auto& l : labels)
      QCOMPARE(h.Get<QLabel>(l.name)->text(), QString(l.caption));
    for (const char* box : {"TxtDegrees", "txtMinutes", "txtSeconds", "txtLength", "txtCarDistance",
                            "txtCarInches", "txtPtX", "txtPtY"})
      QCOMPARE(Text(h, box), QString());
    QCOMPARE(h.Get<QWidget>("TxtReport")->toolTip(), QString("Status bar"));
    QVERIFY(h.Get<QPlainTextEdit>("TxtReport")->isReadOnly());
    QVERIFY(h.Get<QListWidget>("LstBearings")->uniformItemSizes());
    QVERIFY(!h.Get<QWidget>("Image1")->grab().isNull());
    auto* directions = h.Get<QComboBox>("cmbDirections");
    QCOMPARE(directions->count(), 4);
    QCOMPARE(directions->currentText(), QString("NE"));
    QCOMPARE(directions->itemText(3), QString("SE"));
    auto* carpenter = h.Get<QComboBox>("icmbCarpenter");
    QCOMPARE(carpenter->count(), 8);
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
        {"mnuHelp", "Help", {"mnuHelpHelp:Help", "mnuHelpSeparator1:-", "mnuHelpAbout:About"}},
    };
    QStringList titles;
    for (QAction* a : h.window().menuBar()->actions())
      titles << a->text();
    QCOMPARE(titles, QStringList({"File", "View", "Settings", "Help"}));
    for (const auto& m : menus) {
      auto* menu = h.Get<QMenu>(m.menu);
      QCOMPARE(menu->title(), QString(m.title));
      QStringList items;
      for (QAction* a : menu->actions())
        items << a->objectName() + ":" + (a->isSeparator() ? "-" : a->text());
      QCOMPARE(items, m.items);
      for (QAction* a : menu->actions())
        QVERIFY2(a->shortcut().isEmpty(), qPrintable(a->objectName()));
    }
  }

  void firstRunShowsSurveyorWithoutWritingSettings() {
    WindowHarness h;
    QCOMPARE(h.window().windowTitle(), QString("Quadrell    - Version 1.1.2"));
    QVERIFY(h.window().isMaximized());
    QVERIFY(h.Get<QPushButton>("optSurveyor")->isChecked());
    QVERIFY(h.Item("mnuSetSurveyor")->isChecked());
    QVERIFY(!h.Item("mnuSetCarpenter")->isChecked());
    QVERIFY(h.Get<QFrame>("frameSurveyor")->isVisible());
    QVERIFY(!h.Get<QFrame>("frameCarpenter")->isVisible());
    QVERIFY(!h.Get<QFrame>("framePoint")->isVisible());
    QVERIFY(h.Get<QPushButton>("cmdAddLine")->isDefault());
    QVERIFY(!h.Get<QPushButton>("cmdUndo")->isEnabled());
    QVERIFY(!h.Item("mnuSetImperial")->isChecked());
    QVERIFY(!h.Item("mnuSetMetric")->isChecked());
    QCOMPARE(h.window().program().state.UnitAbbrev, std::string("LF"));
    QCOMPARE(h.window().program().state.EntryMode, std::string("Surveyor"));
    QVERIFY(!QFile::exists(QString::fromStdString(h.SettingsPath())));
    QCOMPARE(h.Log(), QString());
  }

  void storedSettingsApplyThroughTheHandlers_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<QString>("major");
    QTest::addColumn<QString>("after");
    const QString carpenter_metric = "[SETTINGS]\r\nMODE=Carpenter\r\nSYSTEM=SI Metric\r\n";
    QTest::newRow("Point, metric") << "[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n"
                                   << "framePoint"
                                   << "Meters"
                                   << "[SETTINGS]\r\nMODE=Point\r\nSYSTEM=SI Metric\r\n";
    QTest::newRow("Carpenter, metric") << carpenter_metric << "frameCarpenter"
                                       << "Meters" << carpenter_metric;
    QTest::newRow("lower-case mode, imperial")
        << "[SETTINGS]\r\nMODE=point\r\nSYSTEM=US Imperial\r\n"
        << "frameSurveyor"
        << "Feet"
        << "[SETTINGS]\r\nMODE=point\r\nSYSTEM=US Imperial\r\n";
    QTest::newRow("unknown system") << "[SETTINGS]\r\nMODE=Surveyor\r\nSYSTEM=metric\r\n"
                                    << "frameSurveyor"
                                    << "Feet"
                                    << "[SETTINGS]\r\nMODE=Surveyor\r\nSYSTEM=metric\r\n";
  }
  void storedSettingsApplyThroughTheHandlers() {
    QFETCH(QString, stored);
    QFETCH(QString, strip);
    QFETCH(QString, major);
    QFETCH(QString, after);
    WindowHarness h(stored.toStdString());
    for (const char* frame : {"frameSurveyor", "frameCarpenter", "framePoint"})
      QCOMPARE(h.Get<QFrame>(frame)->isVisible(), strip == frame);
    QCOMPARE(h.Get<QLabel>("lblCarpDistMajor")->text(), major);
    QCOMPARE(h.Item("mnuSetMetric")->isChecked(), major == "Meters");
    QCOMPARE(QString::fromStdString(h.SettingsText()), after);
  }

  void modeMenuItemWorksAsTheOption() {
    WindowHarness h;
    h.Item("mnuSetCarpenter")->trigger();
    QVERIFY(h.Get<QPushButton>("optCarpenter")->isChecked());
    QVERIFY(!h.Get<QPushButton>("optSurveyor")->isChecked());
    QVERIFY(h.Item("mnuSetCarpenter")->isChecked());
    QVERIFY(!h.Item("mnuSetSurveyor")->isChecked());
    QVERIFY(h.Get<QFrame>("frameCarpenter")->isVisible());
    QVERIFY(!h.Get<QFrame>("frameSurveyor")->isVisible());
    QVERIFY(h.Get<QPushButton>("cmdCarpAddLine")->isDefault());
    QVERIFY(!h.Get<QPushButton>("cmdAddLine")->isDefault());
    QCOMPARE(h.Get<QPushButton>("optCarpenter")->focusPolicy(), Qt::ClickFocus);
    QCOMPARE(QApplication::focusWidget(), h.Get("icmbCarpenter"));
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nMODE=Carpenter\r\n"));
    QCOMPARE(h.window().program().state.EntryMode, std::string("Carpenter"));

    h.Click("optPoint");
    QVERIFY(h.Get<QFrame>("framePoint")->isVisible());
    QCOMPARE(QApplication::focusWidget(), h.Get("txtPtX"));
    QVERIFY(h.Item("mnuSetPoint")->isChecked());
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nMODE=Point\r\n"));
  }

  void enterInAFieldPressesTheVisibleStripsButton_data() {
    QTest::addColumn<QString>("mode_item");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("entry");
    QTest::newRow("Surveyor, angle box") << "mnuSetSurveyor"
                                         << "TxtDegrees"
                                         << "NE 00" + kDeg + "00'00'' @07LF";
    QTest::newRow("Surveyor, quadrant list") << "mnuSetSurveyor"
                                             << "cmbDirections"
                                             << "NE 00" + kDeg + "00'00'' @07LF";
    QTest::newRow("Carpenter") << "mnuSetCarpenter"
                               << "txtCarInches"
                               << "NE 90" + kDeg + "00'00'' @ 7LF";
    QTest::newRow("Point") << "mnuSetPoint"
                           << "txtPtY"
                           << "7 , 7";
  }
  void enterInAFieldPressesTheVisibleStripsButton() {
    QFETCH(QString, mode_item);
    QFETCH(QString, field);
    QFETCH(QString, entry);
    WindowHarness h;
    h.Item(mode_item.toLatin1().constData())->trigger();
    for (const char* box : {"txtLength", "txtCarDistance", "txtPtX", "txtPtY"})
      h.Get<QLineEdit>(box)->setText("7");
    h.PressEnterIn(field.toLatin1().constData());
    QCOMPARE(h.Lines(), QStringList({entry}));
    // Enter on a command button with the focus presses that button.
    h.PressEnterIn("cmdUndo");
    QVERIFY(h.Lines().isEmpty());
  }

  // A first Surveyor line: listed, logged with its closure and no area, the
  // boxes emptied, Undo on and the modes and units locked to the line.
  void surveyorLineIsListedLoggedAndLocks() {
    WindowHarness h;
    AddSurveyorLine(h, "45", "30", "15", "100");
    const QString entry = "NE 45" + kDeg + "30'15'' @100LF";
    QCOMPARE(h.Lines(), QStringList({entry}));
    QCOMPARE(h.Log(), "\nAdded line: " + entry + "\nClosure: 100.00");
    for (const char* box : {"TxtDegrees", "txtMinutes", "txtSeconds", "txtLength"})
      QCOMPARE(Text(h, box), QString());
    QCOMPARE(QApplication::focusWidget(), h.Get("cmbDirections"));
    QVERIFY(h.Get<QPushButton>("cmdUndo")->isEnabled());
    QVERIFY(!h.Get<QPushButton>("optPoint")->isEnabled());
    QVERIFY(!h.Item("mnuSetPoint")->isEnabled());
    QVERIFY(h.Get<QPushButton>("optCarpenter")->isEnabled());
    QVERIFY(h.Item("mnuSetImperial")->isChecked());
    QVERIFY(!h.Item("mnuSetMetric")->isEnabled());
    QCOMPARE(h.Get<QListWidget>("LstBearings")->currentRow(), -1);

    AddSurveyorLine(h, "", "", "", "5");
    QCOMPARE(h.Lines().last(), "NE 00" + kDeg + "00'00'' @05LF");
  }

  void secondLineLogsTheAreaOnItsClosureLine() {
    WindowHarness h;
    AddSurveyorLine(h, "90", "", "", "10");
    AddSurveyorLine(h, "", "", "", "10");
    QCOMPARE(h.Log(), "\nAdded line: NE 90" + kDeg + "00'00'' @10LF\nClosure: 10.00" +
                          "\nAdded line: NE 00" + kDeg + "00'00'' @10LF\nClosure: 14.1421356" +
                          " Area: 50.00");
  }

  void metricSystemFromTheMenuMarksTheNextLine() {
    WindowHarness h;
    h.Item("mnuSetMetric")->trigger();
    QVERIFY(h.Item("mnuSetMetric")->isChecked());
    QVERIFY(!h.Item("mnuSetImperial")->isChecked());
    QCOMPARE(h.Get<QLabel>("lblCarpDistMinor")->text(), QString("Centimeters"));
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nSYSTEM=SI Metric\r\n"));
    AddSurveyorLine(h, "", "", "", "5");
    QCOMPARE(h.Lines(), QStringList({"NE 00" + kDeg + "00'00'' @05m."}));
    QVERIFY(!h.Item("mnuSetImperial")->isEnabled());
  }

  void surveyorLineWithoutDistanceOnlyFillsTheAngles() {
    WindowHarness h;
    h.Type("TxtDegrees", "7");
    h.Click("cmdAddLine");
    QVERIFY(h.Lines().isEmpty());
    QCOMPARE(Text(h, "TxtDegrees"), QString("7"));
    QCOMPARE(Text(h, "txtMinutes"), QString("00"));
    QCOMPARE(Text(h, "txtSeconds"), QString("00"));
    QCOMPARE(h.Log(), QString());
    QVERIFY(!h.Get<QPushButton>("cmdUndo")->isEnabled());
  }

  void unreadableSurveyorLineIsRefusedWithOneMessage() {
    WindowHarness h;
    AddSurveyorLine(h, "2.5", "", "", "10");
    QVERIFY(h.Lines().isEmpty());
    QCOMPARE(h.Messages().size(), size_t(1));
    QCOMPARE(h.Messages()[0].title, std::string("Quadrell"));
    QCOMPARE(Text(h, "TxtDegrees"), QString("2.5"));
    QCOMPARE(Text(h, "txtLength"), QString("10"));
    QCOMPARE(h.Log(), QString());
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
    QVERIFY(!h.Item("mnuSetMetric")->isEnabled());

    h.Click("cmdClear");
    h.Item("mnuSetMetric")->trigger();
    QCOMPARE(h.Get<QLabel>("lblCarpDistMajor")->text(), QString("Meters"));
    QCOMPARE(h.Get<QLabel>("lblCarpDistMinor")->text(), QString("Centimeters"));
    QCOMPARE(h.SettingsText(), std::string("[SETTINGS]\r\nMODE=Carpenter\r\nSYSTEM=SI Metric\r\n"));
    h.Get<QComboBox>("icmbCarpenter")->setCurrentText("180 Degrees");
    h.Type("txtCarDistance", "3");
    h.Type("txtCarInches", "25");
    h.Click("cmdCarpAddLine");
    QCOMPARE(h.Lines(), QStringList({"SW 90" + kDeg + "00'00'' @ 3.25m."}));
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
    QVERIFY(!h.Get<QPushButton>("optSurveyor")->isEnabled());
    QVERIFY(!h.Item("mnuSetCarpenter")->isEnabled());
    // Points carry no unit: the unit system stays free.
    QVERIFY(h.Item("mnuSetMetric")->isEnabled());
    QVERIFY(h.Item("mnuSetImperial")->isEnabled());

    h.Type("txtPtX", "5");
    h.Click("cmdPOINTAddLine");
    QCOMPARE(h.Lines().size(), 3);
    QCOMPARE(Text(h, "txtPtX"), QString("5"));
  }

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
    QVERIFY(h.Get<QPushButton>("cmdUndo")->isEnabled());
    QCOMPARE(h.Get<QListWidget>("LstBearings")->currentRow(), 1);

    h.Click("cmdUndo");
    h.Click("cmdUndo");
    QVERIFY(h.Lines().isEmpty());
    QVERIFY(!h.Get<QPushButton>("cmdUndo")->isEnabled());
    QVERIFY(h.Get<QPushButton>("optPoint")->isEnabled());
    QVERIFY(h.Item("mnuSetPoint")->isEnabled());
    QVERIFY(h.Item("mnuSetMetric")->isEnabled());

    AddSurveyorLine(h, "", "", "", "10");
    h.Item("mnuZoomIN")->trigger();
    h.Click("cmdNew");
    QVERIFY(h.Lines().isEmpty());
    QVERIFY(h.Log().endsWith("\nZoom In x.5\nCleared"));
    QVERIFY(!h.Get<QPushButton>("cmdUndo")->isEnabled());
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

  void boxesTakeOnlyNumberCharacters_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("letters and signs") << "a ,+"
                                       << "";
    QTest::newRow("negative decimal") << "-1.5"
                                      << "-1.5";
    QTest::newRow("any order") << "1-2..3"
                               << "1-2..3";
    QTest::newRow("mixed") << "1a2"
                           << "12";
  }
  void boxesTakeOnlyNumberCharacters() {
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    WindowHarness h;
    h.Type("txtLength", typed);
    QCOMPARE(Text(h, "txtLength"), kept);
  }

  void clipboardShortcutsAndPasteBringNothingIn() {
    WindowHarness h;
    auto* box = h.Get<QLineEdit>("txtLength");
    h.Type("txtLength", "12");
    QApplication::clipboard()->setText("x9");
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(box->text(), QString("12"));
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
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

  void angleBoxesCheckTheirRangeWhenLeft_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("degrees at the limit") << "TxtDegrees"
                                          << "90"
                                          << "";
    QTest::newRow("degrees over") << "TxtDegrees"
                                  << "90.0001"
                                  << "Invalid number entered  (>90)";
    QTest::newRow("minutes at the limit") << "txtMinutes"
                                          << "60"
                                          << "";
    QTest::newRow("minutes over") << "txtMinutes"
                                  << "61"
                                  << "Invalid number entered  (>60)";
    QTest::newRow("seconds, leading number") << "txtSeconds"
                                             << "61.2.3"
                                             << "Invalid number entered  (>60)";
    QTest::newRow("negative") << "txtSeconds"
                              << "-500"
                              << "";
    QTest::newRow("distance is not checked") << "txtLength"
                                             << "5000"
                                             << "";
  }
  void angleBoxesCheckTheirRangeWhenLeft() {
    QFETCH(QString, box);
    QFETCH(QString, text);
    QFETCH(QString, message);
    WindowHarness h;
    const QByteArray name_bytes = box.toLatin1();
    h.Type(name_bytes.constData(), text);
    QTest::keyClick(h.Get(name_bytes.constData()), Qt::Key_Tab);
    QCoreApplication::processEvents();
    if (message.isEmpty()) {
      QVERIFY(h.Messages().empty());
      QVERIFY(QApplication::focusWidget() != h.Get(name_bytes.constData()));
      return;
    }
    QCOMPARE(h.Messages().size(), size_t(1));
    QCOMPARE(QString::fromStdString(h.Messages()[0].text), message);
    QCOMPARE(h.Messages()[0].title, std::string("Quadrell"));
    QVERIFY(h.Messages()[0].icon == tw::MessageIcon::None);
    QCOMPARE(QApplication::focusWidget(), h.Get(name_bytes.constData()));
    QCOMPARE(Text(h, name_bytes.constData()), text);
  }

  // Two boxes over their limits must not bounce the focus between them.
  void rangeMessageDoesNotLoop() {
    WindowHarness h;
    h.Get<QLineEdit>("txtMinutes")->setText("70");
    h.Type("TxtDegrees", "95");
    QTest::keyClick(h.Get("TxtDegrees"), Qt::Key_Tab);
    for (int i = 0; i < 5; ++i)
      QCoreApplication::processEvents();
    QCOMPARE(h.Messages().size(), size_t(1));
    QCOMPARE(QApplication::focusWidget(), h.Get("TxtDegrees"));
  }

  // Clicking Add Line moves the focus first: the message comes and the click
  // adds nothing.
  void rangeMessageStopsTheClickThatLeftTheBox() {
    WindowHarness h;
    h.Type("txtLength", "10");
    h.Type("TxtDegrees", "95");
    h.Click("cmdAddLine");
    QCoreApplication::processEvents();
    QCOMPARE(h.Messages().size(), size_t(1));
    QVERIFY(h.Lines().isEmpty());
    QCOMPARE(QApplication::focusWidget(), h.Get("TxtDegrees"));
    h.Type("TxtDegrees", "45");
    h.Click("cmdAddLine");
    QCOMPARE(h.Messages().size(), size_t(1));
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

  // A mode switch hides the strip with the box in it: a box that cannot
  // take the focus back is not checked.
  void hiddenBoxIsNotChecked() {
    WindowHarness h;
    h.Type("TxtDegrees", "95");
    h.Item("mnuSetCarpenter")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(h.Messages().empty());
    QCOMPARE(QApplication::focusWidget(), h.Get("icmbCarpenter"));
  }

  void noRangeCheckWhenFocusGoesToAMenuOrAnotherWindow_data() {
    QTest::addColumn<int>("reason");
    QTest::newRow("menu") << int(Qt::PopupFocusReason);
    QTest::newRow("menu bar") << int(Qt::MenuBarFocusReason);
    QTest::newRow("window deactivated") << int(Qt::ActiveWindowFocusReason);
  }
  void noRangeCheckWhenFocusGoesToAMenuOrAnotherWindow() {
    QFETCH(int, reason);
    WindowHarness h;
    h.Type("TxtDegrees", "95");
    QFocusEvent out(QEvent::FocusOut, Qt::FocusReason(reason));
    QApplication::sendEvent(h.Get("TxtDegrees"), &out);
    QCoreApplication::processEvents();
    QVERIFY(h.Messages().empty());
  }

  void listValidateUpdatesTheUnitMenus() {
    WindowHarness h;
    AddSurveyorLine(h, "", "", "", "10");
    h.Item("mnuSetMetric")->setEnabled(true);
    h.Get("LstBearings")->setFocus();
    QTest::keyClick(h.Get("LstBearings"), Qt::Key_Tab);
    QVERIFY(!h.Item("mnuSetMetric")->isEnabled());
  }

  void layoutFollowsTheWindowSize() {
    WindowHarness h;
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(1000, 700);
    QCoreApplication::processEvents();
    const QSize client = h.window().centralWidget()->size();
    const int w = client.width() * 15 + 120;
    const int h_twips = client.height() * 15 + 765;
    auto px = [](double twips) { return qRound(twips / 15); };
    const QRect plot = h.Get("pbDrawing")->geometry();
    QCOMPARE(plot, QRect(1, 40, px(w - 2805), px(h_twips - 2775)));
    const int pw = plot.width() * 15;
    const int ph = plot.height() * 15;
    QCOMPARE(h.Get("LstBearings")->geometry(), QRect(px(pw + 105), 216, 169, px(ph - 2655)));
    QCOMPARE(h.Get("Image1")->x(), px(pw + 105));
    QCOMPARE(h.Get("cmdClear")->pos(), QPoint(px(w - 1305), px(ph + 775)));
    QCOMPARE(h.Get("cmdUndo")->pos(), QPoint(px(w - 2385), px(ph + 775)));
    QCOMPARE(h.Get("TxtReport")->geometry(), QRect(1, px(ph + 1200), px(w - 210), 49));
    QCOMPARE(h.Get("frameSurveyor")->geometry(), QRect(0, px(ph + 775), px(w - 2400), 25));
    QCOMPARE(h.Get("frameCarpenter")->y(), h.Get("frameSurveyor")->y());
    QCOMPARE(h.Get("framePoint")->y(), h.Get("frameSurveyor")->y());
    QCOMPARE(h.Get("cmdAddLine")->x(), px(w - 3825));
    QCOMPARE(h.Get("cmdZoomIN")->x(), px(w - 3945));
    QCOMPARE(h.Get("cmdRedraw")->x(), px(w - 3225));
    // The plot is redrawn into the new size.
    QCOMPARE(h.Get<tw::PlotSurface>("pbDrawing")->Picture().size(), plot.size());
  }

  void windowKeepsItsMinimumSize() {
    WindowHarness h;
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(200, 100);
    QCoreApplication::processEvents();
    const QSize client = h.window().centralWidget()->size();
    QVERIFY(client.width() * 15 + 120 >= 11500);
    QVERIFY(client.height() * 15 + 765 >= 5500);
  }

  void everyLayoutReplots() {
    WindowHarness h;
    AddSurveyorLine(h, "", "", "", "10");
    const qsizetype before = h.Log().size();
    h.window().setWindowState(Qt::WindowNoState);
    h.window().resize(900, 650);
    QCoreApplication::processEvents();
    QVERIFY(h.Log().mid(before).contains("\nClosure: 10.00"));
  }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
