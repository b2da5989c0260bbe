// The log box: what AppendLog writes is what the box holds, shows and copies,
// at a byte a character however many lines it holds.
#include <QClipboard>
#include <QScrollBar>
#include <QtTest>
#include <string>
#include <vector>

#include "program/log.h"
#include "shell/window/log_box.h"

class LogBoxTest : public QObject {
  Q_OBJECT

 private slots:
  // Lines long enough to cross the store's blocks and many index marks, each
  // message split across two appends at a different place: a split CR LF
  // must end one line, and " Area: ..." must continue the current one.
  void everyLineReadsBackThroughTheIndex() {
    tw::LogStore store;
    std::vector<std::string> expected{""};
    for (int i = 0; i < 6000; ++i) {
      std::string line = "Closure: " + std::string(i % 40, '0') + std::to_string(i);
      if (i % 7 == 0)
        line += " Area: 05.50";
      const std::string message = "\r\n" + line;
      const size_t split = static_cast<size_t>(i) % message.size();
      store.Append(std::string_view(message).substr(0, split));
      store.Append(std::string_view(message).substr(split));
      expected.push_back(line);
    }
    QVERIFY(store.Size() > 2 * tw::LogStore::kBlockBytes);
    QCOMPARE(store.LineCount(), expected.size());
    std::string whole;
    for (size_t k = 0; k < expected.size(); ++k) {
      std::string line;
      const size_t start = store.LineStart(k);
      store.Read(start, store.LineEnd(start), line);
      QCOMPARE(line, expected[k]);
      whole += (k ? "\n" : "") + line;
    }
    std::string read;
    store.Read(0, store.Size(), read);
    QCOMPARE(read, whole);
  }

  // A byte a line and a character, with the index and the last block's spare
  // room on top: a 16-bit copy or an offset per line would not fit.
  void storeCostsLittleBeyondItsBytes() {
    tw::LogStore store;
    for (int i = 0; i < 250000; ++i)
      store.Append("\r\nClosure: " + std::to_string(i) + ".00");
    QVERIFY(store.HeldBytes() <= store.Size() + store.LineCount() / 2 + tw::LogStore::kBlockBytes);
  }

  // Press, then drag or Shift+click: the span copies with "\n" between lines,
  // either way round; a no-break space copies as a blank, as from a text box.
  void selectionSpanningLinesCopies() {
    tw::LogBox box;
    box.resize(300, 120);
    box.show();
    box.Append("\r\nfirst\r\nsecond\xA0line\r\nthird");
    box.Flush();
    QVERIFY(QTest::qWaitForWindowExposed(&box));
    const int row = box.fontMetrics().lineSpacing();
    auto at = [&](int line, bool end) { return QPoint(end ? 290 : 0, 4 + row * line + row / 2); };
    const struct {
      QPoint press, release;
      bool shift_click;
      QString copied;
    } cases[] = {
        {at(1, false), at(2, true), true, "first\nsecond line"},
        {at(3, true), at(1, false), false, "first\nsecond line\nthird"},
        {at(2, false), at(2, true), false, "second line"},
    };
    for (const auto& c : cases) {
      QWidget* view = box.viewport();
      QTest::mousePress(view, Qt::LeftButton, {}, c.press);
      if (c.shift_click) {
        QTest::mouseRelease(view, Qt::LeftButton, {}, c.press);
        QTest::mouseClick(view, Qt::LeftButton, Qt::ShiftModifier, c.release);
      } else {
        QTest::mouseMove(view, c.release);
        QTest::mouseRelease(view, Qt::LeftButton, {}, c.release);
      }
      QTest::keySequence(&box, QKeySequence::Copy);
      QCOMPARE(QGuiApplication::clipboard()->text(), c.copied);
    }
    QTest::keySequence(&box, QKeySequence::SelectAll);
    QTest::keySequence(&box, QKeySequence::Copy);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("\nfirst\nsecond line\nthird"));
    QCOMPARE(box.PlainText(), QGuiApplication::clipboard()->text());
  }

  // Logged outside a command: held at once, shown scrolled to the end once
  // events are processed; Windows-1252 bytes read as their characters.
  void showsWhatWasLoggedAtTheEnd() {
    tw::LogBox box;
    box.resize(300, 60);
    box.show();
    tw::AppendLog(box, "Cleared", true);
    tw::LogClosure(box, 3.14159265);
    tw::LogArea(box, 5.5);
    tw::AppendLog(box,
                  "Added line: NE 45\xB0"
                  "30'15'' @100LF",
                  true);
    for (int i = 0; i < 20; ++i)
      tw::AppendLog(box, "Re-Draw", true);
    QCOMPARE(box.verticalScrollBar()->value(), 0);
    QCoreApplication::processEvents();
    QVERIFY(box.verticalScrollBar()->value() > 0);
    QCOMPARE(box.verticalScrollBar()->value(), box.verticalScrollBar()->maximum());
    QVERIFY(box.PlainText().startsWith(QString("\nCleared\nClosure: 03.1415927 Area: 05.50\n"
                                               "Added line: NE 45") +
                                       QChar(0xB0) + "30'15'' @100LF\nRe-Draw\n"));
  }
};

QTEST_MAIN(LogBoxTest)
#include "log_box_test.moc"
