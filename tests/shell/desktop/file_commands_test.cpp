// The window's file commands through the ports: a scripted file dialog that
// answers names or cancels, a recording desktop, and the golden files.
#include <QComboBox>
#include <QFileDialog>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QtTest>

#include "shell/desktop/file_commands.h"
#include "shell/dialogs/file_dialog_qt.h"
#include "shell/dialogs/point_import_dialog.h"
#include "shell/window_harness.h"

using tw::test::GoldenPath;
using tw::test::ReadBytes;
using tw::test::WindowHarness;

namespace {

// A window with its file commands over scripted ports.
struct FileWindow {
  FileWindow()
      : commands(new tw::FileCommands(harness.window(), dialog, desktop,
                                      {folder.File("settings"), folder.File("data")})) {}

  void TriggerItem(const char* name) {
    harness.Item(name)->trigger();
    QCoreApplication::processEvents();
  }
  tw::PointImportDialog* ImportDialog() {
    return harness.window().findChild<tw::PointImportDialog*>("frmPointImport");
  }

  WindowHarness harness;
  tw::test::ScriptedFileDialog dialog;
  tw::test::RecordingDesktop desktop;
  tw::test::ScratchFolder folder;
  tw::FileCommands* commands;
};

}  // namespace

class FileCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void nameFilters();
  void dialogIsSetUpAsAsked();
  void openReplacesTheBoundaryAndSwitchesMode();
  void saveAndExportsReachTheirWriters();
  void reportIsWrittenAndOpened();
  void importDialogShowsThePreviewAndImports();
  void importAgainReloadsTheSameDialog();
  void escapeClosesTheImportDialog();
};

void FileCommandsTest::nameFilters() {
  const struct {
    const char* filter;
    QStringList expected;
  } cases[] = {{"Tractwise File (*.twc)|*.twc|", {"Tractwise File (*.twc) (*.twc)"}},
               {"Comma separated ASCII file (*.asc)|*.asc|All files (*.*)|*.*|",
                {"Comma separated ASCII file (*.asc) (*.asc)", "All files (*.*) (*)"}},
               {"ASCII point file (*.asc, *.txt)|*.asc;*.txt|All Files (*.*)|*.*|",
                {"ASCII point file (*.asc, *.txt) (*.asc *.txt)", "All Files (*.*) (*)"}}};
  for (const auto& c : cases)
    QCOMPARE(tw::QtNameFilters(c.filter), c.expected);
}

void FileCommandsTest::dialogIsSetUpAsAsked() {
  tw::FileDialogRequest save;
  save.kind = tw::FileDialogRequest::Kind::Save;
  save.title = "Save file as";
  save.initial_name = "Untitled.twc";
  save.filter = "Tractwise File (*.twc)|*.twc|";
  save.overwrite_prompt = true;
  QFileDialog dialog;
  tw::ConfigureFileDialog(dialog, save);
  QCOMPARE(dialog.windowTitle(), QString("Save file as"));
  QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
  QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
  QVERIFY(dialog.defaultSuffix().isEmpty());
  QCOMPARE(dialog.selectedFiles().value(0).section('/', -1), QString("Untitled.twc"));
}

void FileCommandsTest::openReplacesTheBoundaryAndSwitchesMode() {
  FileWindow w;
  w.harness.Click("cmdOpen");  // no answer scripted: cancelled, nothing changes
  QCOMPARE(w.dialog.requests.at(0).title, std::string("Open File"));
  QCOMPARE(w.harness.Log(), QString());
  QVERIFY(!w.harness.Get<QPushButton>("cmdUndo")->isEnabled());

  w.dialog.answers.push_back(GoldenPath("points3.twc"));
  w.harness.Click("cmdOpen");
  QCOMPARE(w.harness.Lines(), (QStringList{"0 , 0", "100 , 0", "100 , 50"}));
  QVERIFY(w.harness.Get<QPushButton>("optPoint")->isChecked());
  QVERIFY(!w.harness.Get<QPushButton>("optSurveyor")->isEnabled());
  QVERIFY(w.harness.Get<QPushButton>("cmdUndo")->isEnabled());
  QVERIFY(w.harness.Get("framePoint")->isVisible());
  QVERIFY(!w.harness.Get("frameSurveyor")->isVisible());
  QCOMPARE(w.harness.Get<QAbstractItemView>("LstBearings")->currentIndex().row(), 2);

  w.dialog.answers.push_back(GoldenPath("bearing3.twc"));
  w.TriggerItem("mnuFileOpen");
  QCOMPARE(w.harness.Lines().size(), 3);
  QVERIFY(w.harness.Get<QPushButton>("optSurveyor")->isChecked());
  QVERIFY(w.harness.Get("frameSurveyor")->isVisible());
  QVERIFY(w.harness.Messages().empty());

  // Fault: a file saying Surveyor over point entries opened in Surveyor mode.
  const std::string odd = w.folder.File("odd.twc");
  tw::test::WriteBytes(odd, ":1.1.2\r\n:0,0,LF,Surveyor\r\n0 , 0\r\n100 , 0\r\n");
  w.dialog.answers.push_back(odd);
  w.harness.Click("cmdOpen");
  QVERIFY(w.harness.Get<QPushButton>("optPoint")->isChecked());
  QVERIFY(!w.harness.Get<QPushButton>("optSurveyor")->isEnabled());
  QVERIFY(w.harness.Get("framePoint")->isVisible());
  QVERIFY(w.harness.SettingsText().find("MODE=Point") != std::string::npos);
  QCOMPARE(w.harness.Messages().size(), size_t(1));
  QCOMPARE(w.harness.Messages()[0].text,
           "The file \"" + odd +
               "\" says Surveyor but holds point entries; it was opened in Point mode.");
  QCOMPARE(w.harness.Messages()[0].title, std::string("Quadrell"));
  QVERIFY(w.harness.Messages()[0].icon == tw::MessageIcon::None);
}

// Each button and menu item reaches its command; the bytes are the batch
// cases' business.
void FileCommandsTest::saveAndExportsReachTheirWriters() {
  FileWindow w;
  w.dialog.answers.push_back(GoldenPath("bearing3.twc"));
  w.harness.Click("cmdOpen");
  const struct {
    const char* command;
    bool menu;
    const char* file;
    const char* starts;
  } steps[] = {
      {"cmdSave", false, "a.twc", ":"},          {"mnuFileSave", true, "b.twc", ":"},
      {"cmdExportPts", false, "a.asc", " 1,"},   {"mnuFileExPoints", true, "b.asc", " 1,"},
      {"cmdExportDXF", false, "a.dxf", " 0 \r"}, {"mnuFileDxfExport", true, "b.dxf", " 0 \r"},
  };
  for (const auto& s : steps) {
    w.dialog.answers.push_back(w.folder.File(s.file));
    if (s.menu)
      w.TriggerItem(s.command);
    else
      w.harness.Click(s.command);
    QVERIFY2(ReadBytes(w.folder.File(s.file)).starts_with(s.starts), s.command);
  }
  QVERIFY(w.harness.Messages().empty());
}

void FileCommandsTest::reportIsWrittenAndOpened() {
  FileWindow w;
  w.harness.Click("cmdReport");
  QCOMPARE(w.harness.Messages().size(), size_t(1));
  QCOMPARE(w.harness.Messages()[0].text, std::string("Nothing to report"));
  QVERIFY(w.desktop.opened.empty());

  w.dialog.answers.push_back(GoldenPath("square_points.twc"));
  w.harness.Click("cmdOpen");
  w.TriggerItem("mnuFileReport");
  const std::string report = w.folder.File("data") + "/report.txt";
  QCOMPARE(w.desktop.opened, std::vector<std::string>{report});
  QVERIFY(!ReadBytes(report).empty());
}

void FileCommandsTest::importDialogShowsThePreviewAndImports() {
  FileWindow w;
  w.dialog.answers.push_back(GoldenPath("survey_points.txt"));
  w.TriggerItem("mnuFileImportPts");
  tw::PointImportDialog* dialog = w.ImportDialog();
  QVERIFY(dialog);
  QVERIFY(dialog->isVisible());
  QVERIFY(!dialog->isModal());
  QCOMPARE(dialog->findChild<QListWidget*>("lstPtimportPrev")->count(), 5);
  QCOMPARE(dialog->findChild<QComboBox*>("cmbPtImportFormat")->currentText(), QString("PN, N, E"));

  QPointer<tw::PointImportDialog> guard(dialog);
  QTest::mouseClick(dialog->findChild<QPushButton*>("CmdImport"), Qt::LeftButton);
  QTRY_VERIFY(!guard);  // unloaded
  QCOMPARE(w.harness.Lines().size(), 3);
  QVERIFY(w.harness.Get<QPushButton>("optPoint")->isChecked());
  QVERIFY(w.harness.Get("framePoint")->isVisible());
  QVERIFY(w.harness.Get<QPushButton>("cmdUndo")->isEnabled());
  QCOMPARE(w.harness.Messages().size(), size_t(1));  // the skipped lines
}

void FileCommandsTest::importAgainReloadsTheSameDialog() {
  FileWindow w;
  w.dialog.answers.push_back(GoldenPath("survey_points.txt"));
  w.TriggerItem("mnuFileImportPts");
  tw::PointImportDialog* first = w.ImportDialog();
  first->findChild<QComboBox*>("cmbPtImportFormat")->setCurrentIndex(2);
  w.dialog.answers.push_back(GoldenPath("points3.asc"));
  w.TriggerItem("mnuFileImportPts");
  QCOMPARE(w.ImportDialog(), first);
  QCOMPARE(first->findChild<QListWidget*>("lstPtimportPrev")->count(), 3);
  QCOMPARE(first->findChild<QComboBox*>("cmbPtImportFormat")->currentText(), QString("N, E"));
  QCOMPARE(w.dialog.requests.at(1).title, std::string("Open Point File"));

  // A file of which no line can be read: the dialog stays, nothing changes.
  w.dialog.answers.push_back(GoldenPath("bearing3_log.txt"));
  w.TriggerItem("mnuFileImportPts");
  QTest::mouseClick(first->findChild<QPushButton*>("CmdImport"), Qt::LeftButton);
  QCOMPARE(w.harness.Messages().size(), size_t(1));
  QVERIFY(w.harness.Messages()[0].text.starts_with("No point could be read"));
  QVERIFY(w.harness.Lines().isEmpty());
  QVERIFY(first->isVisible());

  // Cancelled: the dialog keeps its preview.
  w.TriggerItem("mnuFileImportPts");
  QCOMPARE(first->findChild<QListWidget*>("lstPtimportPrev")->count(), 3);
}

void FileCommandsTest::escapeClosesTheImportDialog() {
  FileWindow w;
  w.dialog.answers.push_back(GoldenPath("points3.asc"));
  w.TriggerItem("mnuFileImportPts");
  QPointer<tw::PointImportDialog> dialog(w.ImportDialog());
  QVERIFY(dialog);
  // Enter is no shortcut for either button.
  QTest::keyClick(dialog->findChild<QListWidget*>("lstPtimportPrev"), Qt::Key_Return);
  QCoreApplication::processEvents();
  QVERIFY(dialog && dialog->isVisible());
  QTest::keyClick(dialog.data(), Qt::Key_Escape);
  QTRY_VERIFY(!dialog);
  QVERIFY(w.harness.Lines().isEmpty());
  QVERIFY(w.harness.Messages().empty());

  w.dialog.answers.push_back(GoldenPath("points3.asc"));
  w.TriggerItem("mnuFileImportPts");
  dialog = w.ImportDialog();
  QTest::mouseClick(dialog->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
  QTRY_VERIFY(!dialog);
  QVERIFY(w.harness.Lines().isEmpty());
}

QTEST_MAIN(FileCommandsTest)
#include "file_commands_test.moc"
