// The window as a desktop program: the question before unsaved work goes,
// drops, recent files and the recovery file, over scripted ports.
#include <QMenu>
#include <QMimeData>
#include <QtTest>
#include <filesystem>

#include "session/recovery_file.h"
#include "shell/desktop/desktop_session.h"
#include "shell/desktop/file_commands.h"
#include "shell/desktop/recent_files_menu.h"
#include "shell/dialogs/point_import_dialog.h"
#include "shell/window_harness.h"

using tw::SaveAnswer;
using tw::YesNoAnswer;
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
  explicit SessionWindow(const std::string& settings, tw::RecoveryDisk* disk = nullptr)
      : commands(new tw::FileCommands(harness.window(), dialog, desktop,
                                      {settings, folder.File("data")})),
        session(new tw::DesktopSession(harness.window(), *commands, questions,
                                       {.settings_folder = settings, .disk = disk})) {}

  void AddLine() {
    harness.Type("TxtDegrees", "10");
    harness.Type("txtLength", "100");
    harness.Click("cmdAddLine");
  }
  std::vector<std::string> recent_paths() { return session->recent().Paths(); }
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
  void theRecoveryFilesAreNeverTheUsersFiles();
  void aUnitSwitchIsAChange();
  void aLocationIsAChange();
  void unsavedWorkThatCannotBeKeptIsSaidOnce();
  void recentFilesAreAbsolute();
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
  const std::string recovery =
      tw::RecoverySlotFile(tw::RecoveryFolder(settings.path().string()), 0);
  {
    SessionWindow w(settings.path().string());
    QCOMPARE(w.session->RecoveryPath(), recovery);
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
  // Only an explicit No deletes; Esc or the window's close leave the file.
  for (const YesNoAnswer answer : {YesNoAnswer::Dismissed, YesNoAnswer::No, YesNoAnswer::Yes}) {
    if (answer == YesNoAnswer::Yes)
      std::filesystem::rename(settings.File("copy.twc"), recovery);
    if (answer == YesNoAnswer::No)
      std::filesystem::copy_file(recovery, settings.File("copy.twc"));
    SessionWindow w(settings.path().string());
    w.questions.yes_no_answers = {answer};
    w.session->Start({});
    QCOMPARE(w.questions.asked, std::vector<std::string>{tw::kRecoveryOffer});
    QCOMPARE(w.harness.Lines().size(), answer == YesNoAnswer::Yes ? 2 : 0);
    QCOMPARE(Exists(recovery), answer != YesNoAnswer::No);
    if (answer != YesNoAnswer::Yes)
      continue;
    // Opened as a changed boundary, kept on in the same file.
    QCOMPARE(w.session->RecoveryPath(), recovery);
    w.questions.save_answer = SaveAnswer::Cancel;
    w.harness.Click("cmdClear");
    QCOMPARE(w.harness.Lines().size(), 2);
    QCOMPARE(w.questions.asked.size(), size_t(2));
  }
}

// Mended faults: saving onto the recovery file, or opening it, deleted it
// (and the work saved in it) when the program closed.
void DesktopSessionTest::theRecoveryFilesAreNeverTheUsersFiles() {
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  w.AddLine();
  w.session->FlushRecovery();
  const std::string own = w.session->RecoveryPath();
  const std::string before = ReadBytes(own);
  for (const std::string& target :
       {own, tw::RecoveryFolder(settings.path().string()) + "/../recovery/mine.twc"}) {
    w.dialog.answers.push_back(target);
    w.harness.Click("cmdSave");
    QCOMPARE(w.harness.Messages().back().text, tw::OwnFileRefusedMessage(target));
  }
  QCOMPARE(ReadBytes(own), before);
  QVERIFY(!Exists(tw::RecoveryFolder(settings.path().string()) + "/mine.twc"));
  QVERIFY(w.recent_paths().empty());

  // File > Open of one opens a copy: no file named, unsaved, not remembered.
  const std::string left = tw::RecoveryFolder(settings.path().string()) + "/recovery-7.twc";
  std::filesystem::copy_file(GoldenPath("points3.twc"), left);
  w.questions.save_answer = SaveAnswer::Discard;
  w.dialog.answers.push_back(left);
  w.harness.Click("cmdOpen");
  QCOMPARE(w.harness.Lines().size(), 3);
  QCOMPARE(w.harness.window().currentFile(), std::string());
  QVERIFY(w.recent_paths().empty());
  w.harness.window().close();  // asks, and Discard throws the copy away
  QCOMPARE(w.questions.asked.size(), size_t(2));
  QVERIFY(Exists(left));
}

// Mended fault: a point list's unit switch was no change, so closing asked
// nothing and the recovery file kept the old unit.
void DesktopSessionTest::aUnitSwitchIsAChange() {
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  w.dialog.answers.push_back(GoldenPath("points3.twc"));
  w.harness.Click("cmdOpen");
  w.harness.Item("mnuSetMetric")->trigger();
  w.session->FlushRecovery();
  QVERIFY(ReadBytes(w.session->RecoveryPath()).find(",m.,") != std::string::npos);
  w.harness.window().close();
  QCOMPARE(w.questions.asked, std::vector<std::string>{"Save changes to the boundary?"});
}

// A location is saved with the file, as the unit is: closing asks, and the
// recovery file holds it.
void DesktopSessionTest::aLocationIsAChange() {
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  w.dialog.answers.push_back(GoldenPath("points3.twc"));
  w.harness.Click("cmdOpen");
  w.harness.window().program().state.location = tw::Location{2248, 1, 2, 0, 1};
  w.harness.window().FinishCommand();
  w.session->FlushRecovery();
  QVERIFY(ReadBytes(w.session->RecoveryPath()).find(":LOCATION,EPSG:2248,1,2,0,1\r\n") !=
          std::string::npos);
  w.harness.window().close();
  QCOMPARE(w.questions.asked, std::vector<std::string>{"Save changes to the boundary?"});
}

// The keeper's notices and warnings reach the user in message boxes, once,
// and never in the log.
void DesktopSessionTest::unsavedWorkThatCannotBeKeptIsSaidOnce() {
  struct ReadOnlyDisk : tw::RecoveryDisk {
    tw::LockAttempt Lock(const std::string&) override { return {tw::FileLock(), false, EROFS}; }
  } disk;
  tw::test::ScratchFolder settings;
  const std::string folder = tw::RecoveryFolder(settings.path().string());
  std::filesystem::create_directories(folder);
  tw::test::WriteBytes(folder + "/recovery-2.twc", std::string(4096, '\0'));
  SessionWindow w(settings.path().string(), &disk);
  w.session->Start({});
  QCOMPARE(w.harness.Messages().size(), size_t(1));
  QVERIFY(w.harness.Messages()[0].text.find(folder + "/recovery-2.twc.unreadable") !=
          std::string::npos);
  w.AddLine();
  w.AddLine();
  QCOMPARE(w.harness.Messages().size(), size_t(2));
  QCOMPARE(w.harness.Messages()[1].text,
           "Unsaved work cannot be kept safe: the folder \"" + folder + "\" is read-only.");
  QVERIFY(!w.harness.Log().contains("kept safe"));
}

// Mended fault: "cd X; quadrell a.twc" was remembered as "a.twc".
void DesktopSessionTest::recentFilesAreAbsolute() {
  tw::test::ScratchFolder settings;
  SessionWindow w(settings.path().string());
  std::filesystem::copy_file(GoldenPath("points3.twc"), w.folder.File("a.twc"));
  const std::filesystem::path was = std::filesystem::current_path();
  std::filesystem::current_path(w.folder.path());
  w.session->Start({"./a.twc"});
  std::filesystem::current_path(was);
  QCOMPARE(w.recent_paths(), std::vector<std::string>{w.folder.File("a.twc")});
}

QTEST_MAIN(DesktopSessionTest)
#include "desktop_session_test.moc"
