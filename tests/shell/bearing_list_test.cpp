// The line list follows the entry list step by step: the rows it shows, the
// row it selects once the command's events are handled, and the item-model
// rules its views depend on (checked by Qt's model tester at every signal).
#include <QAbstractItemModelTester>
#include <QtTest>
#include <functional>

#include "boundary/entry_list.h"
#include "shell/bearing_list.h"

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
};

QTEST_MAIN(BearingListTest)
#include "bearing_list_test.moc"
