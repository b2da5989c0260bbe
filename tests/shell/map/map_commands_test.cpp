// File > Location... and File > Export Map... with the real map program: the
// CRS named as its code is typed, a CRS of the wrong unit refused, and a map
// written only for a located boundary.
#include <QComboBox>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "map/map_formats.h"
#include "shell/map/location_dialog.h"
#include "shell/map/map_commands.h"
#include "shell/window_harness.h"

using tw::test::ReadBytes;
using tw::test::WindowHarness;

class MapCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void locationDialogNamesTheCrsAndRefusesAnotherUnit();
  void exportMapNeedsALocationAndWritesTheChosenFormat();
};

void MapCommandsTest::locationDialogNamesTheCrsAndRefusesAnotherUnit() {
  tw::ProgramState state;  // feet
  tw::LocationDialog dialog(state, nullptr);
  auto* code = dialog.findChild<QLineEdit*>("txtEpsg");
  const auto type = [&](const char* box, const QString& text) {
    auto* field = dialog.findChild<QLineEdit*>(box);
    field->selectAll();
    QTest::keyClicks(field, text);
  };
  type("txtEpsg", "32618");
  type("txtNorth", "4000000");
  type("txtEast", "500000");
  type("txtRotation", "-0-12-30");
  const auto press_ok = [&] {
    QTest::mouseClick(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok),
                      Qt::LeftButton);
  };
  QTRY_VERIFY(dialog.findChild<QLabel*>("lblCrs")->text().contains("UTM zone 18N"));
  press_ok();
  QVERIFY(dialog.findChild<QLabel*>("lblProblem")->text().contains("in metre units"));
  QCOMPARE(dialog.result(), int(QDialog::Rejected));
  code->clear();
  type("txtEpsg", "2248");
  QTRY_VERIFY(dialog.findChild<QLabel*>("lblCrs")->text().contains("US survey foot"));
  press_ok();
  QCOMPARE(dialog.result(), int(QDialog::Accepted));
  QCOMPARE(dialog.chosen(), (tw::Location{2248, 4000000, 500000, -12.5 / 60, 1}));
}

void MapCommandsTest::exportMapNeedsALocationAndWritesTheChosenFormat() {
  tw::test::ScriptedFileDialog files;
  tw::test::ScratchFolder folder;
  WindowHarness harness("", [&](tw::MainWindow& w) { new tw::MapCommands(w, files); });
  for (const char* quadrant : {"NE", "SE"}) {
    harness.Get<QComboBox>("cmbDirections")->setCurrentText(quadrant);
    harness.Type("TxtDegrees", "60");
    harness.Type("txtLength", "100");
    harness.Click("cmdAddLine");
  }
  harness.Item("mnuFileExportMap")->trigger();
  QCOMPARE(harness.Messages().back().text, std::string(tw::kNoLocation));
  harness.window().program().state.location = tw::Location{2248, 500000, 1300000, 0, 1};
  const std::string out = folder.File("lot.gpkg");
  files.answers.push_back(out);
  QTimer::singleShot(0, [] {
    auto* chooser = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
    chooser->setTextValue("GeoPackage (*.gpkg)");
    chooser->accept();
  });
  harness.Item("mnuFileExportMap")->trigger();
  QCOMPARE(files.requests.back().initial_name, std::string("Untitled.gpkg"));
  QVERIFY(ReadBytes(out).starts_with("SQLite format 3"));
  // The open traverse is closed and said to be.
  QVERIFY(harness.Messages().back().text.find("closed by its closing line") != std::string::npos);
}

QTEST_MAIN(MapCommandsTest)
#include "map_commands_test.moc"
