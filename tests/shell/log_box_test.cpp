// The log box: what AppendLog writes is what the box shows, however the
// lines are grouped inside the document.
#include <QTextBlock>
#include <QtTest>

#include "boundary/log.h"
#include "shell/log_box.h"

class LogBoxTest : public QObject {
  Q_OBJECT

 private slots:
  // Text logged outside a command shows once events are processed.
  void showsWhatWasLogged() {
    tw::LogBox box;
    tw::AppendLog(box, "Cleared", true);
    QCOMPARE(box.toPlainText(), QString());
    QCoreApplication::processEvents();
    QCOMPARE(box.toPlainText(), QString("\nCleared"));
    tw::LogClosure(box, 3.14159265);
    tw::LogArea(box, 5.5);
    tw::AppendLog(box,
                  "Added line: NE 45\xB0"
                  "30'15'' @100LF",
                  true);
    box.Flush();
    QCOMPARE(box.toPlainText(), QString("\nCleared\nClosure: 03.1415927 Area: 05.50\n"
                                        "Added line: NE 45") +
                                    QChar(0xB0) + "30'15'' @100LF");
  }

  // Many lines, flushed in uneven pieces, read back line for line.
  void manyLinesReadBackInOrder() {
    tw::LogBox box;
    QString expected;
    for (int i = 0; i < 1000; ++i) {
      tw::LogClosure(box, i);
      expected += "\nClosure: " + QString("%1.00").arg(i, 2, 10, QChar('0'));
      if (i % 77 == 0)
        box.Flush();
    }
    box.Flush();
    QCOMPARE(box.toPlainText(), expected);
    QVERIFY(box.document()->blockCount() < 100);
  }

  void appendingNeverRewritesWhatIsShown() {
    tw::LogBox box;
    tw::AppendLog(box, "Cleared", true);
    box.Flush();
    const QTextBlock first = box.document()->firstBlock();
    const QString before = first.text();
    tw::AppendLog(box, "Line Removed", true);
    box.Flush();
    QVERIFY(first.isValid());
    QVERIFY(first.text().startsWith(before));
  }
};

QTEST_MAIN(LogBoxTest)
#include "log_box_test.moc"
