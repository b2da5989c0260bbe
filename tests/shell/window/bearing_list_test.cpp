// The line list follows the entry list step by step: the rows it shows, the
// row it selects once the command's events are handled, and the item-model
// rules its views depend on (checked by Qt's model tester at every signal).
#include <QAbstractItemModelTester>
#include <QtTest>
#include <functional>

#include "boundary/entry_list.h"
#include "shell/window/bearing_list.h"

class BearingListTest : public QObject {
  Q_OBJECT

 private slots:
  void mirrorsTheEntryList() {
    tw::EntryList list;
    tw::BearingList view;
    list.SetView(&view);
    QAbstractItemModelTester tester(view.model(),
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    const struct {
      const char* what;
      std::function<void()> change;
      QStringList rows;
      int current;
    } steps[] = {
        {"append", [&] { list.Append("a"); }, {"a"}, -1},
        {"append, select last",
         [&] {
           list.Append("b");
           list.Select(0);
           list.SelectLast();
         },
         {"a", "b"},
         1},
        {"replace at", [&] { list.ReplaceAt(0, "c\xB0"); }, {QString("c") + QChar(0xB0), "b"}, 1},
        {"undo the selected", [&] { list.RemoveLast(); }, {QString("c") + QChar(0xB0)}, -1},
        {"replace, select first",
         [&] {
           list.Replace({"x", "y", "z"});
           list.Select(0);
         },
         {"x", "y", "z"},
         0},
        {"append keeps the selection", [&] { list.Append("w"); }, {"x", "y", "z", "w"}, 0},
        {"clear", [&] { list.Clear(); }, {}, -1},
    };
    for (const auto& step : steps) {
      step.change();
      QCoreApplication::processEvents();
      QStringList rows;
      for (int i = 0; i < view.model()->rowCount(); ++i)
        rows << view.model()->index(i, 0).data().toString();
      QVERIFY2(rows == step.rows, step.what);
      QVERIFY2(view.currentIndex().row() == step.current, step.what);
      const QModelIndexList selected = view.selectionModel()->selectedIndexes();
      QVERIFY2(selected.size() == (step.current < 0 ? 0 : 1), step.what);
    }
    list.SetView(nullptr);
  }

  // A list longer than its box: rows are found where they are drawn, keys
  // and clicks select as in a list box, and the selected row comes into view.
  void findsSelectsAndShowsRows() {
    tw::EntryList list;
    tw::BearingList view;
    list.SetView(&view);
    view.resize(120, 100);
    view.show();
    list.Replace(std::vector<std::string>(1000,
                                          "NE 10\xB0"
                                          "00'00'' @1LF"));
    list.SelectLast();
    QCoreApplication::processEvents();
    const auto rect = [&](int row) { return view.visualRect(view.model()->index(row, 0)); };
    const auto shown = [&](int row) {  // wholly, from top to bottom
      return rect(row).top() >= 0 && rect(row).bottom() < view.viewport()->height();
    };
    QVERIFY(shown(999) && !shown(0));
    int row = view.indexAt({1, 1}).row();
    for (; row < 1000 && shown(row); ++row)
      QCOMPARE(view.indexAt(rect(row).center()).row(), row);
    const int page = view.viewport()->height() / rect(0).height();
    QVERIFY(row == 1000 && page > 1);
    const struct {
      Qt::Key key;
      int row;
    } keys[] = {{Qt::Key_Home, 0},   {Qt::Key_Down, 1},  {Qt::Key_PageDown, 1 + page},
                {Qt::Key_PageUp, 1}, {Qt::Key_Up, 0},    {Qt::Key_Up, 0},
                {Qt::Key_End, 999},  {Qt::Key_Down, 999}};
    for (const auto& k : keys) {
      QTest::keyClick(&view, k.key);
      QCOMPARE(view.currentIndex().row(), k.row);
      QVERIFY(shown(k.row));
      QCOMPARE(view.selectionModel()->selectedIndexes().value(0).row(), k.row);
    }
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, rect(997).center());
    QCOMPARE(view.selectionModel()->selectedIndexes().value(0).row(), 997);
    list.SetView(nullptr);
  }
};

QTEST_MAIN(BearingListTest)
#include "bearing_list_test.moc"
