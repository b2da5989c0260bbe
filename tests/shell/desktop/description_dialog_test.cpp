// Read Description and Export Description through the window: the dialog
// reads live, Use These Calls replaces the boundary (asking about doubtful
// readings first), and the export writes the text.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTimer>
#include <QtTest>

#include "shell/desktop/description_commands_qt.h"
#include "shell/dialogs/description_dialog.h"
#include "shell/window_harness.h"

using tw::test::ReadBytes;
using tw::test::WindowHarness;

namespace {

struct DescriptionWindow {
  DescriptionWindow() : commands(new tw::DescriptionCommands(harness.window(), files, questions)) {}

  tw::DescriptionDialog* Open(const QString& text) {
    harness.Item("mnuToolsDescription")->trigger();
    auto* dialog = harness.window().findChild<tw::DescriptionDialog*>("frmReadDescription");
    dialog->findChild<QPlainTextEdit*>("txtDescription")->setPlainText(text);
    return dialog;
  }

  WindowHarness harness;
  tw::test::ScriptedFileDialog files;
  tw::test::ScriptedQuestionBox questions;
  tw::test::ScratchFolder folder;
  tw::DescriptionCommands* commands;
};

const QString kDeed = QString::fromUtf8(
    "Commencing at a nail at coordinates N 100, E 50; thence South 10 feet to the point of "
    "beginning; thence East 40 feet; thence S 0\u00B0 E 30 feet; thence West 40 feet; thence "
    "North 30 feet, containing 1,250 square feet.");

}  // namespace

class DescriptionDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void readsLiveAndUsesTheCalls();
  void doubtfulReadingsAreConfirmedFirst();
  void exportWritesTheDescription();
};

void DescriptionDialogTest::readsLiveAndUsesTheCalls() {
  DescriptionWindow w;
  QCOMPARE(w.harness.Item("mnuToolsDescription")->shortcut(), QKeySequence("Ctrl+D"));
  tw::DescriptionDialog* dialog = w.Open(kDeed);
  auto* calls = dialog->findChild<QTableWidget*>("grdCalls");
  QCOMPARE(calls->rowCount(), 4);
  QCOMPARE(dialog->findChild<QTableWidget*>("grdTies")->rowCount(), 1);
  const QString figures = dialog->findChild<QLabel*>("lblFigures")->text();
  QVERIFY2(figures.contains("Area 1200.00 sq ft against the record's 1,250 square feet"),
           qPrintable(figures));
  calls->selectRow(0);
  const QList<QTextEdit::ExtraSelection> marks =
      dialog->findChild<QPlainTextEdit*>("txtDescription")->extraSelections();
  QCOMPARE(marks.back().cursor.selectedText(), QString("East 40 feet"));
  QTest::mouseClick(dialog->findChild<QPushButton*>("cmdUse"), Qt::LeftButton);
  QCOMPARE(w.harness.Lines().size(), 4);
  QCOMPARE(w.harness.window().program().state.EntryMode, std::string("Surveyor"));
  QCOMPARE(w.harness.window().program().state.FirstPointY, 90.0);
  QVERIFY(!dialog->isVisible());
}

void DescriptionDialogTest::doubtfulReadingsAreConfirmedFirst() {
  DescriptionWindow w;
  tw::DescriptionDialog* dialog = w.Open("N 45012'30\" E 10 feet; thence South 7 feet");
  auto* use = dialog->findChild<QPushButton*>("cmdUse");
  w.questions.yes_no_answers = {tw::YesNoAnswer::No, tw::YesNoAnswer::Yes};
  QTest::mouseClick(use, Qt::LeftButton);
  QCOMPARE(w.harness.Lines().size(), 0);
  QVERIFY(w.questions.asked.at(0).find("degree sign read as 0") != std::string::npos);
  QTest::mouseClick(use, Qt::LeftButton);
  QCOMPARE(w.harness.Lines().size(), 2);
}

void DescriptionDialogTest::exportWritesTheDescription() {
  DescriptionWindow w;
  QTest::mouseClick(w.Open(kDeed)->findChild<QPushButton*>("cmdUse"), Qt::LeftButton);
  const std::string path = w.folder.File("deed.txt");
  w.files.answers = {path};
  QTimer::singleShot(0, [] {
    auto* ask = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    ask->findChild<QLineEdit*>("txtBeginning")->setText("the nail");
    ask->accept();
  });
  w.harness.Item("mnuFileExDescription")->trigger();
  const std::string text = ReadBytes(path);
  QVERIFY2(text.starts_with("Beginning at the nail; thence North 90\xC2\xB0"
                            "00'00\" East, a "
                            "distance of 40.00 feet;"),
           text.c_str());
}

QTEST_MAIN(DescriptionDialogTest)
#include "description_dialog_test.moc"
