// The closure dialog over the real main window, offscreen: it follows the
// list, a correction goes through the list and the log, and the standard is
// remembered. The figures themselves are the analysis' tests' business.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

#include "closure/closure_lines.h"
#include "closure/closure_report.h"
#include "closure/closure_text.h"
#include "formats/project_file.h"
#include "shell/closure/closure_dialog.h"
#include "shell/window_harness.h"

using tw::test::WindowHarness;

namespace {

void AddLine(WindowHarness& h, const char* quadrant, const char* degrees, const char* length) {
  h.Get<QComboBox>("cmbDirections")->setCurrentText(quadrant);
  h.Type("TxtDegrees", degrees);
  h.Type("txtLength", length);
  h.Click("cmdAddLine");
}

tw::ClosureDialog* Open(WindowHarness& h, tw::ClosureCommands& commands) {
  h.Item("mnuToolsClosure")->trigger();
  QCoreApplication::processEvents();
  return commands.Dialog();
}

int Rows(tw::ClosureDialog* d, const char* table) {
  return d->findChild<QTableView*>(table)->model()->rowCount();
}

// The column titles of a table, left to right.
QStringList Titles(tw::ClosureDialog* d, const char* table) {
  const QAbstractItemModel* m = d->findChild<QTableView*>(table)->model();
  QStringList titles;
  for (int c = 0; c < m->columnCount(); ++c)
    titles << m->headerData(c, Qt::Horizontal).toString();
  return titles;
}

// Every cell of a table, row by row.
QStringList Cells(tw::ClosureDialog* d, const char* table) {
  const QAbstractItemModel* m = d->findChild<QTableView*>(table)->model();
  QStringList cells;
  for (int r = 0; r < m->rowCount(); ++r)
    for (int c = 0; c < m->columnCount(); ++c)
      cells << m->index(r, c).data().toString();
  return cells;
}

}  // namespace

class ClosureDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void followsAddsAndUndoAndClosesWithTheWindow() {
    WindowHarness h;
    tw::test::ScriptedFileDialog files;
    tw::ClosureCommands commands(h.window(), files);
    tw::ClosureDialog* d = Open(h, commands);
    QVERIFY(d && d->isVisible() && !d->isModal());
    QCOMPARE(d->Shown()->count, 0u);
    AddLine(h, "NE", "90", "100");
    AddLine(h, "SE", "00", "100");
    QCOMPARE(d->Shown()->count, 2u);
    QCOMPARE(Rows(d, "tblLines"), 2);
    QVERIFY(d->findChild<QLabel*>("lblFigures")->text().startsWith("Lines: 2\n"));
    QCOMPARE(Titles(d, "tblLines").size(), 4);
    // No method: the corners as entered, due east and then due south.
    QCOMPARE(Cells(d, "tblCorners"),
             QStringList({"1", "0.0000", "100.0000", "2", "-100.0000", "100.0000"}));
    d->findChild<QComboBox*>("cmbMethod")->setCurrentText("Compass");
    QCOMPARE(Rows(d, "tblCorners"), 2);
    QCOMPARE(Titles(d, "tblLines").mid(3),
             QStringList({"Departure", "Adjusted Bearing", "Adjusted Distance", "Adjusted Latitude",
                          "Adjusted Departure"}));
    QCOMPARE(Titles(d, "tblCorners"), QStringList({"Corner", "North", "East"}));
    h.Click("cmdUndo");
    QCOMPARE(d->Shown()->count, 1u);
    QCOMPARE(Rows(d, "tblLines"), 1);
    QCOMPARE(Rows(d, "tblCorners"), 1);
    h.window().close();
    QVERIFY(!d->isVisible());
  }

  // Save Report: the core's report for the dialog's settings, written to the
  // file chosen; nothing when the choice is cancelled.
  void saveReportWritesTheReport() {
    qputenv("SOURCE_DATE_EPOCH", "1765000000");
    WindowHarness h;
    tw::test::ScriptedFileDialog files;
    tw::ClosureCommands commands(h.window(), files);
    tw::ClosureDialog* d = Open(h, commands);
    auto* save = d->findChild<QPushButton*>("cmdSaveReport");
    QVERIFY(!save->isEnabled());
    AddLine(h, "NE", "90", "100");
    AddLine(h, "SE", "00", "100.5");
    AddLine(h, "SW", "45", "141");
    d->findChild<QComboBox*>("cmbMethod")->setCurrentText("Transit");
    QTemporaryDir dir;
    const std::string path = dir.filePath("closure report.txt").toStdString();
    files.answers = {std::nullopt, path};
    QTest::mouseClick(save, Qt::LeftButton);
    QVERIFY(!QFile::exists(QString::fromStdString(path)));
    QTest::mouseClick(save, Qt::LeftButton);
    QCOMPARE(QString::fromStdString(files.requests.back().filter), QString(tw::kReportFilter));

    tw::ClosureOptions options;
    options.method = tw::AdjustMethod::Transit;
    const tw::Program& p = h.window().program();
    const tw::ReportHead head{tw::UntitledProjectName(), p.state.UnitAbbrev, "2025-12-06"};
    const tw::Result<std::string> expected = tw::ClosureReport(
        *tw::AnalyseClosure(p.entries, p.state, options), p.entries.Entries(), head);
    QFile written(QString::fromStdString(path));
    QVERIFY(written.open(QIODevice::ReadOnly));
    QCOMPARE(written.readAll(), QByteArray::fromStdString(*expected));
    qunsetenv("SOURCE_DATE_EPOCH");
  }

  // On the screen main() gives, with lines numbered in six digits and a
  // method chosen: every column of both tables in sight, the dialog on the
  // screen.
  void opensWithEveryColumnInSight() {
    WindowHarness h;
    tw::test::ScriptedFileDialog files;
    tw::ClosureCommands commands(h.window(), files);
    tw::ClosureDialog* d = Open(h, commands);
    std::vector<std::string> zigzag(tw::kLiveBlunderLines + 1,
                                    "NE 45\xB0"
                                    "00'00'' @100LF");
    for (size_t i = 1; i < zigzag.size(); i += 2)
      zigzag[i][0] = 'S';
    h.window().program().entries.Replace(zigzag);
    h.window().FinishCommand();
    d->findChild<QComboBox*>("cmbMethod")->setCurrentText("Compass");
    QCoreApplication::processEvents();
    QVERIFY(d->screen()->availableGeometry().contains(d->frameGeometry()));
    for (const char* name : {"tblLines", "tblCorners"}) {
      auto* table = d->findChild<QTableView*>(name);
      QVERIFY2(table->verticalScrollBar()->isVisible(), name);
      QVERIFY2(table->horizontalScrollBar()->maximum() == 0, name);
    }
    QCOMPARE(Titles(d, "tblLines").size(), 8);
  }

  // Line 1 keyed in the wrong quadrant: the first finding puts it right.
  void correctionReplacesTheEntryAndLogsIt() {
    WindowHarness h;
    tw::test::ScriptedFileDialog files;
    tw::ClosureCommands commands(h.window(), files);
    tw::ClosureDialog* d = Open(h, commands);
    AddLine(h, "NW", "90", "100");
    AddLine(h, "SE", "00", "100");
    AddLine(h, "SW", "90", "100");
    AddLine(h, "NW", "00", "100");
    QVERIFY(!d->Shown()->blunders.empty());
    const tw::BlunderFinding first = d->Shown()->blunders.front();
    QCOMPARE(first.lines.front().index, 0u);

    // Copy: what the batch tool prints for the dialog's settings, only the
    // title naming no file.
    d->findChild<QComboBox*>("cmbMethod")->setCurrentText("Transit");
    QTest::mouseClick(d->findChild<QPushButton*>("cmdCopy"), Qt::LeftButton);
    tw::ClosureOptions options;
    options.method = tw::AdjustMethod::Transit;
    const tw::Program& p = h.window().program();
    const std::string text = tw::ClosureText(*tw::AnalyseClosure(p.entries, p.state, options),
                                             "PROJECT.twc", p.state.UnitAbbrev);
    QStringList copied = QApplication::clipboard()->text().split('\n');
    QVERIFY(copied.takeFirst().startsWith("Closure of "));
    QCOMPARE(copied.join('\n'), QString::fromStdString(text.substr(text.find('\n') + 1)));
    const QStringList before = h.Log().split('\n');
    QTest::mouseClick(d->findChild<QPushButton*>("cmdCorrect1"), Qt::LeftButton);
    QCoreApplication::processEvents();

    const QString corrected = QString::fromLatin1(first.lines.front().corrected.c_str());
    QCOMPARE(h.Lines().value(0), corrected);
    const QStringList added = h.Log().split('\n').mid(before.size());
    QCOMPARE(added.size(), 5);
    for (int i = 0; i < 4; ++i)
      QVERIFY2(added[i].startsWith("Closure: ") && !added[i].contains("Area"),
               qPrintable(added[i]));
    QCOMPARE(added[4],
             "Line 1 corrected: " + QString::fromLatin1(first.lines.front().entry.c_str()) +
                 " -> " + corrected);
    QVERIFY(d->Shown()->standard_met);

    h.Click("cmdUndo");
    QCOMPARE(h.Lines().size(), 3);
    QCOMPARE(h.Lines().value(0), corrected);
  }

  // A traverse short of its standard, nearly straight: every method says
  // so, Crandall its largest change always and the weak shape here; the
  // corners and the exported points follow the start.
  void adjustmentNotesAndStart() {
    struct Case {
      const char* method;
      bool crandall;
    };
    const Case cases[] = {{"Compass", false}, {"Transit", false}, {"Crandall", true}};
    WindowHarness h;
    tw::test::ScratchFolder folder;
    tw::test::ScriptedFileDialog files;
    tw::ClosureCommands commands(h.window(), files);
    tw::ClosureDialog* d = Open(h, commands);
    AddLine(h, "NE", "00", "1000");
    h.Type("txtSeconds", "20");
    AddLine(h, "SE", "00", "500");
    h.Type("txtSeconds", "00");
    h.Type("txtMinutes", "02");
    AddLine(h, "SW", "00", "500");
    const auto* message = d->findChild<QLabel*>("lblMessage");
    for (const Case& c : cases) {
      d->findChild<QComboBox*>("cmbMethod")->setCurrentText(c.method);
      const QStringList notes = message->text().split('\n');
      QVERIFY2(notes.value(0).startsWith("The standard 1:10,000 is not met; the adjustment "
                                         "spreads a misclosure of "),
               qPrintable(notes.value(0)));
      QVERIFY2(notes.value(0).endsWith(" LF over 3 lines"), qPrintable(h.Lines().join('|')));
      QCOMPARE(notes.size(), c.crandall ? 3 : 1);
      QCOMPARE(notes.value(1).startsWith("Largest length change: "), c.crandall);
      QCOMPARE(notes.value(2),
               c.crandall ? QString::fromStdString(tw::WeakShapeLine()) : QString());
    }
    tw::ProgramState& state = h.window().program().state;
    state.FirstPointX = 5000.5;
    state.FirstPointY = -20000;
    d->Follow();
    const QAbstractItemModel* corners = d->findChild<QTableView*>("tblCorners")->model();
    QCOMPARE(corners->index(2, 1).data().toString(), QString("-20000.0000"));
    QCOMPARE(corners->index(2, 2).data().toString(), QString("5000.5000"));
    files.answers.push_back(folder.File("adjusted.asc"));
    QTest::mouseClick(d->findChild<QPushButton*>("cmdExportAdjusted"), Qt::LeftButton);
    QVERIFY(tw::test::ReadBytes(folder.File("adjusted.asc")).starts_with(" 1,-20000, 5000.5\r\n"));
  }

  // STANDARD in [SETTINGS]: read, written in place, every other line kept.
  void standardIsRemembered() {
    struct Case {
      const char* stored;  // "" for no key
      const char* shown;
      const char* typed;
      const char* written;  // the key's line afterwards, "" for none
    };
    const Case cases[] = {
        {"STANDARD=abc\r\n", "1:10,000", "1:5,000", "STANDARD=5000\r\n"},
        {"STANDARD=99\r\n", "1:10,000", "12500", "STANDARD=12500\r\n"},
        {"STANDARD=1000000\r\n", "1:1,000,000", "1:1,000,001", "STANDARD=1000000\r\n"},
        {"", "1:10,000", "1:100", "STANDARD=100\r\n"},
    };
    for (const Case& c : cases) {
      const std::string head = "[SETTINGS]\r\nMODE=Surveyor\r\n";
      const std::string tail = "SYSTEM=US Imperial\r\n[OTHER]\r\nSTANDARD=7\r\n";
      WindowHarness h(head + c.stored + tail);
      tw::test::ScriptedFileDialog files;
      tw::ClosureCommands commands(h.window(), files);
      tw::ClosureDialog* d = Open(h, commands);
      auto* box = d->findChild<QComboBox*>("cmbStandard");
      QCOMPARE(box->currentText(), QString(c.shown));
      box->lineEdit()->setText(c.typed);
      emit box->lineEdit()->editingFinished();
      const std::string expected =
          *c.stored == 0 ? head + "SYSTEM=US Imperial\r\n" + c.written + "[OTHER]\r\nSTANDARD=7\r\n"
                         : head + c.written + tail;
      QCOMPARE(QString::fromStdString(h.SettingsText()), QString::fromStdString(expected));
      tw::ClosureDialog again(h.window(), files);
      QCOMPARE(again.findChild<QComboBox*>("cmbStandard")->currentText(), box->currentText());
    }
  }
};

// The dialog opens for a 1600 x 1000 screen: the offscreen platform is
// given one instead of its own 800 x 600.
int main(int argc, char** argv) {
  QTemporaryDir folder;
  QFile screens(folder.filePath("screens.json"));
  if (!screens.open(QIODevice::WriteOnly))
    return 1;
  screens.write(R"({"screens": [{"name": "screen", "x": 0, "y": 0, "width": 1600,
                   "height": 1000, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})");
  screens.close();
  qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + screens.fileName()).toLocal8Bit());
  QApplication app(argc, argv);
  ClosureDialogTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "closure_dialog_test.moc"
