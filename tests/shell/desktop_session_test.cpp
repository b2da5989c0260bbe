// The window as a desktop program: the question before unsaved work goes,
// drops, recent files and the recovery file, over scripted ports.
#include <QMenu>
#include <QMimeData>
#include <QtTest>
#include <filesystem>

#include "shell/desktop_session.h"
#include "shell/file_commands.h"
#include "shell/point_import_dialog.h"
#include "shell/recent_files_menu.h"
#include "window_harness.h"

using tw::SaveAnswer;
using tw::test::GoldenPath;
using tw::test::ReadBytes;
using tw::test::WindowHarness;

namespace {

bool Exists(const std::string& path) {
  return std::filesystem::exists(path);
}

// A window with its file commands and its session over scripted ports; the
// recovery file and its lock go to `settings`.
struct SessionWindow {
  explicit SessionWindow(const std::string& settings,
                         tw::ProcessRunning running = tw::IsProcessRunning)
      : commands(new tw::FileCommands(harness.window(), dialog, desktop,
                                      {folder.File("settings"), folder.File("data")})),
        session(new tw::DesktopSession(harness.window(), *commands, questions,
                                       {settings, 0, std::move(running)})) {}

  void AddLine() {
    harness.Type("TxtDegrees", "10");
    harness.Type("txtLength", "100");
    harness.Click("cmdAddLine");
  }
  QAction* RecentItem(int i) { return harness.Get<QMenu>("mnuFileRecent")->actions().value(i); }

  WindowHarness harness;
  tw::test::ScriptedFileDialog dialog;
  tw::test::RecordingDesktop desktop;
  tw::test::ScriptedQuestionBox questions;
  tw::test::ScratchFolder folder;
  tw::FileCommands* commands;
  tw::DesktopSession* session;
};

void Drop(QWidget* target, const QStringList& files) {
  QMimeData data;
  QList<QUrl> urls;
  for (const QString& file : files)
    urls << QUrl::fromLocalFile(file);
  data.setUrls(urls);
  const QPointF at(target->width() / 2, target->height() / 2);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &enter);
  QVERIFY(enter.isAccepted());
  QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(target, &drop);
  QVERIFY(drop.isAccepted());
  QCoreApplication::processEvents();
}

}  // namespace

class DesktopSessionTest : public QObject {
  Q_OBJECT

 private slots:
  void eachAnswerOnEachCommand();
  void unchangedBoundaryGoesOnWithoutAQuestion();
  void dropsOpenTheFirstFile();
  void recentFilesAreRememberedAndForgotten();
  void recoveryFileFollowsTheBoundaryAndIsOfferedOnce();
  void secondCopyLeavesTheRecoveryFileAlone();
};

void DesktopSessionTest::eachAnswerOnEachCommand() {
  enum Command { Close, New, Clear, Open };
  const char* names[] = {"close", "New", "Clear", "Open"};
  for (const Command command : {Close, New, Clear, Open}) {
    for (const SaveAnswer answer : {SaveAnswer::Save, SaveAnswer::Discard, SaveAnswer::Cancel}) {
      const QByteArray what = QByteArray(names[command]) + " " + QByteArray::number(int(answer));
      tw::test::ScratchFolder settings;
      SessionWindow w(settings.path().string());
      w.AddLine();
      w.questions.save_answer = answer;
      const std::string saved = w.folder.File("saved.twc");
      if (answer == SaveAnswer::Save)
        w.dialog.answers.push_back(saved);
      if (command == Open)
        w.dialog.answers.push_back(GoldenPath("points3.twc"));
      switch (command) {
        case Close:
          w.harness.window().close();
          break;
        case New:
          w.harness.Item("mnuFileNew")->trigger();
          break;
        case Clear:
          w.harness.Click("cmdClear");
          break;
        case Open:
          w.harness.Click("cmdOpen");
          break;
      }
      QCoreApplication::processEvents();
      QCOMPARE(w.questions.asked, std::vector<std::string>{"Save changes to the boundary?"});
      QVERIFY2(Exists(saved) == (answer == SaveAnswer::Save), what);
      if (answer == SaveAnswer::Save)
        QVERIFY2(ReadBytes(saved).find("NE 10") != std::string::npos, what);
      const bool went_on = answer != SaveAnswer::Cancel;
      QVERIFY2(w.harness.window().isVisible() == (command != Close || !went_on), what);
      const qsizetype lines = !went_on ? 1 : command == Open ? 3 : command == Close ? 1 : 0;
      QVERIFY2(w.harness.Lines().size() == lines, what);
      // Cancelled: the open dialog was never shown.
      QVERIFY2(w.dialog.answers.size() == size_t(command == Open && !went_on), what);
    }
  }
  // Ctrl+Q is menu Close: asked, and Cancel keeps the program running.
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  w.AddLine();
  w.harness.window().activateWindow();
  QTest::keyClick(w.harness.Get("LstBearings"), Qt::Key_Q, Qt::ControlModifier);
  QCOMPARE(w.questions.asked.size(), size_t(1));
  QVERIFY(w.harness.window().isVisible());
}

void DesktopSessionTest::unchangedBoundaryGoesOnWithoutAQuestion() {
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  w.dialog.answers.push_back(GoldenPath("points3.twc"));
  w.harness.Click("cmdOpen");
  w.harness.Click("cmdClear");  // opened, unchanged
  w.AddLine();
  w.harness.Click("cmdUndo");  // changed, but empty
  w.harness.window().close();
  QVERIFY(w.questions.asked.empty());
  QVERIFY(!w.harness.window().isVisible());
}

void DesktopSessionTest::dropsOpenTheFirstFile() {
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  Drop(&w.harness.window(), {QString::fromStdString(GoldenPath("bearing3.twc")), "/tmp/b.asc"});
  QCOMPARE(w.harness.Lines().size(), 3);
  QCOMPARE(w.harness.Messages().size(), size_t(1));
  QCOMPARE(w.harness.Messages()[0].text,
           std::string("Only \"bearing3.twc\" was opened; 1 other file was left."));

  const std::string upper = w.folder.File("P.TWC");  // any case
  std::filesystem::copy_file(GoldenPath("points3.twc"), upper);
  w.AddLine();
  w.questions.save_answer = SaveAnswer::Discard;
  Drop(&w.harness.window(), {QString::fromStdString(upper)});
  QCOMPARE(w.questions.asked.size(), size_t(1));
  QCOMPARE(w.harness.Lines().value(0), QString("0 , 0"));

  // Any other file: the import dialog with its preview; nothing asked yet.
  Drop(&w.harness.window(), {QString::fromStdString(GoldenPath("points3.asc"))});
  QVERIFY(w.commands->ImportDialog() && w.commands->ImportDialog()->isVisible());
  QCOMPARE(w.questions.asked.size(), size_t(1));

  // The command line's file, missing: the message, and the window as it was.
  for (const std::string missing : {"/nowhere/plot.TWC", "/nowhere/plot.asc"}) {
    w.session->Start({missing});
    QCOMPARE(w.harness.Messages().back().text,
             "The file \"" + missing + "\" could not be read: No such file or directory.");
  }
  QCOMPARE(w.harness.Lines().value(0), QString("0 , 0"));
}

void DesktopSessionTest::recentFilesAreRememberedAndForgotten() {
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  QVERIFY(!w.harness.Get<QMenu>("mnuFileRecent")->isEnabled());
  const std::string named = w.folder.File("R&D plot 1.twc");
  std::filesystem::copy_file(GoldenPath("points3.twc"), named);
  w.dialog.answers.push_back(named);
  w.harness.Click("cmdOpen");
  QCOMPARE(w.RecentItem(0)->text(), QString("R&&D plot 1.twc"));
  QCOMPARE(w.harness.window().currentFile(), named);  // the name a plat is headed with
  w.dialog.answers.push_back("/nowhere/x.twc");       // a failed open keeps it
  w.harness.Click("cmdOpen");
  QCOMPARE(w.harness.window().currentFile(), named);
  QVERIFY(w.harness.SettingsText().find("[RECENT]\r\nFile1=" + named + "\r\n") !=
          std::string::npos);

  w.harness.Click("cmdClear");
  QCOMPARE(w.harness.window().currentFile(), std::string());
  w.RecentItem(0)->trigger();
  QCOMPARE(w.harness.Lines().size(), 3);

  std::filesystem::remove(named);
  w.RecentItem(0)->trigger();
  QCOMPARE(w.harness.Messages().back().text,
           "The file \"" + named + "\" no longer exists; it was removed from Recent Files.");
  QVERIFY(!w.RecentItem(0));
  QVERIFY(w.harness.SettingsText().find("File1") == std::string::npos);
}

void DesktopSessionTest::recoveryFileFollowsTheBoundaryAndIsOfferedOnce() {
  tw::test::ScratchFolder settings;
  const std::string recovery = settings.File("recovery.twc");
  {
    SessionWindow w(settings.path().string());
    w.AddLine();
    w.session->FlushRecovery();
    QVERIFY(ReadBytes(recovery).find("NE 10") != std::string::npos);
    w.dialog.answers.push_back(w.folder.File("saved.twc"));
    w.harness.Click("cmdSave");
    w.session->FlushRecovery();
    QVERIFY(!Exists(recovery));
    w.AddLine();
    w.session->FlushRecovery();
    QVERIFY(Exists(recovery));
    // The program dies here: no close, no question.
  }
  for (const bool yes : {false, true}) {
    if (!yes)
      std::filesystem::copy_file(recovery, settings.File("copy.twc"));
    else
      std::filesystem::rename(settings.File("copy.twc"), recovery);
    SessionWindow w(settings.path().string());
    w.questions.yes = yes;
    w.session->Start({});
    QCOMPARE(w.questions.asked,
             std::vector<std::string>{"A boundary from the last session was not saved. Open it?"});
    QCOMPARE(w.harness.Lines().size(), yes ? 2 : 0);
    QCOMPARE(Exists(recovery), yes);
    if (!yes)
      continue;
    // Opened as a changed boundary.
    w.questions.save_answer = SaveAnswer::Cancel;
    w.harness.Click("cmdClear");
    QCOMPARE(w.harness.Lines().size(), 2);
    QCOMPARE(w.questions.asked.size(), size_t(2));
  }
}

void DesktopSessionTest::secondCopyLeavesTheRecoveryFileAlone() {
  tw::test::ScratchFolder settings;
  tw::test::WriteBytes(settings.File("recovery.twc"), ReadBytes(GoldenPath("points3.twc")));
  tw::test::WriteBytes(settings.File("recovery.lock"), "4242\n");
  SessionWindow w(settings.path().string(), [](long pid) { return pid == 4242; });
  QVERIFY(!w.session->KeepsRecovery());
  w.session->Start({});
  QVERIFY(w.questions.asked.empty());
  w.AddLine();
  w.session->FlushRecovery();
  QCOMPARE(ReadBytes(settings.File("recovery.twc")), ReadBytes(GoldenPath("points3.twc")));
  QCOMPARE(ReadBytes(settings.File("recovery.lock")), std::string("4242\n"));
}

QTEST_MAIN(DesktopSessionTest)
#include "desktop_session_test.moc"
