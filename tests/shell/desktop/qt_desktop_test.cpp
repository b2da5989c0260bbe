#include <QCoreApplication>
#include <QFileInfo>
#include <QtTest>

#include "shell/desktop/qt_desktop.h"

class QtDesktopTest : public QObject {
  Q_OBJECT

 private slots:
  void launcherFindsProgramsOnThePathOnly() {
    tw::QtLauncher launcher;
    const std::optional<std::string> sh = launcher.Find("sh");
    QVERIFY(sh);
    QVERIFY(QFileInfo(QString::fromStdString(*sh)).isExecutable());
    QVERIFY(!launcher.Find("tractwise-no-such-program"));
  }

  void launcherReportsWhetherTheProgramStarted() {
    tw::QtLauncher launcher;
    QVERIFY(launcher.StartDetached(*launcher.Find("true"), {}));
    QVERIFY(!launcher.StartDetached("/nonexistent/tractwise-no-such-program", {}));
  }

  void programFolderIsTheExecutablesFolderWithoutTrailingSlash() {
    const std::string folder = tw::QtProgramFolder().Path();
    QCOMPARE(QString::fromStdString(folder), QCoreApplication::applicationDirPath());
    QVERIFY(!folder.ends_with('/'));
  }
};

QTEST_GUILESS_MAIN(QtDesktopTest)
#include "qt_desktop_test.moc"
