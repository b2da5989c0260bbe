// File > Import LandXML... and Export LandXML... through a scripted file
// dialog and parcel chooser.
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "landxml/landxml_reader.h"
#include "shell/landxml/landxml_menu.h"
#include "shell/landxml/parcel_chooser.h"
#include "shell/window_harness.h"

using tw::test::GoldenPath;
using tw::test::WindowHarness;

class LandXmlMenuTest : public QObject {
  Q_OBJECT

 private slots:
  void importAsksChoosesAndReplacesTheBoundary() {
    WindowHarness h;
    tw::test::ScriptedFileDialog dialog;
    std::vector<tw::ParcelRow> shown;
    new tw::LandXmlMenu(h.window(), dialog, [&shown](const std::vector<tw::ParcelRow>& rows) {
      shown = rows;
      return std::optional<size_t>(1);
    });
    bool may_discard = false;
    h.window().SetDiscardCheck([&may_discard] { return may_discard; });
    dialog.answers.push_back(GoldenPath("two_lots.xml"));
    h.Item("mnuFileImportLandXml")->trigger();  // unsaved work kept: no file asked for
    QVERIFY(dialog.requests.empty());
    may_discard = true;
    h.Item("mnuFileImportLandXml")->trigger();
    QCOMPARE(dialog.requests.at(0).title, std::string("Import LandXML"));
    QCOMPARE(shown.size(), size_t{2});
    QCOMPARE(shown[1].name + " " + shown[1].area, std::string("Lot 2 7,200.00 sq ft"));
    QVERIFY(shown[1].closed && shown[1].segments == 4);
    QCOMPARE(h.Lines(), QStringList({"2060 , 5000", "2120 , 5000", "2120 , 5120", "2060 , 5120"}));
    QVERIFY(h.Get<QPushButton>("optPoint")->isChecked());

    const tw::test::ScratchFolder folder;
    dialog.answers.push_back(folder.File("lot.xml"));
    h.Item("mnuFileExportLandXml")->trigger();
    const tw::Result<tw::LandXmlFile> back = tw::ReadLandXmlPath(folder.File("lot.xml"));
    QVERIFY(back && back->parcels.size() == 1 && back->parcels[0].closed);
    QCOMPARE(*back->parcels[0].stated_area, 7200.0);
    // Located, it is written in its grid, whose foot the map program names.
    h.window().program().state.location = tw::Location{2248, 500000, 1300000, 0, 1};
    dialog.answers.push_back(folder.File("grid.xml"));
    h.Item("mnuFileExportLandXml")->trigger();
    const tw::Result<tw::LandXmlFile> grid = tw::ReadLandXmlPath(folder.File("grid.xml"));
    QVERIFY(grid && grid->epsg == 2248 && grid->units.us_survey_foot);
    QCOMPARE(grid->parcels[0].segments[0].start.north, 500000.0);

    // One parcel: no chooser. Its curve makes calls, and the log says how
    // they close after the replot's lines.
    dialog.answers.push_back(GoldenPath("corner_lot.xml"));
    h.Item("mnuFileImportLandXml")->trigger();
    QCOMPARE(h.Lines().size(), 5);
    QVERIFY(h.Get<QPushButton>("optSurveyor")->isChecked());
    QVERIFY(h.Log().endsWith(
        "\nClosure: 00.0000288\nClosure of the calls as rounded: 0.0000 (1:12,222,085)"));
  }

  // The chooser shows each row's four cells and imports only a chosen row.
  void chooserListsTheParcels() {
    tw::ParcelChooser chooser({{"Lot 1", "7,200.00 sq ft", 4, true}, {"Road", "", 2, false}});
    QTableWidget* table = chooser.table();
    QCOMPARE(table->item(1, 0)->text() + "|" + table->item(1, 2)->text() + "|" +
                 table->item(1, 3)->text() + "|" + table->item(0, 1)->text(),
             QString("Road|2|open|7,200.00 sq ft"));
    auto* import = chooser.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    QVERIFY(!chooser.Chosen() && !import->isEnabled());
    table->selectRow(1);
    QVERIFY(chooser.Chosen() == size_t{1} && import->isEnabled());
  }
};

QTEST_MAIN(LandXmlMenuTest)
#include "landxml_menu_test.moc"
