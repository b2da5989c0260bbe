// The plat and the View menu through the real plot surface, printer and
// window: equal scales, zoom to fit, device-independent pens, printing to a
// PDF printer, and the menu items with their settings and messages.
#include <QMenu>
#include <QPrinter>
#include <QtTest>
#include <functional>

#include "doubles/entry_lists.h"
#include "plat/zoom_to_fit.h"
#include "program/plot.h"
#include "program/program.h"
#include "shell/plat/plat_commands.h"
#include "shell/plat/print_dialog.h"
#include "shell/plot/plot_surface.h"
#include "shell/plot/view_commands.h"
#include "shell/window_harness.h"

using tw::test::ReadBytes;
using tw::test::WindowHarness;

namespace {

const QColor kGreen(0, 128, 0);  // a point list's corners

// The centres of the separate green dots, each flood-filled once.
std::vector<QPointF> GreenDots(const QImage& image) {
  std::vector<QPointF> dots;
  std::vector<bool> seen(size_t(image.width()) * image.height());
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (seen[size_t(y) * image.width() + x] || image.pixelColor(x, y) != kGreen)
        continue;
      std::vector<QPoint> todo{{x, y}};
      QPointF sum;
      int count = 0;
      while (!todo.empty()) {
        const QPoint p = todo.back();
        todo.pop_back();
        if (!image.rect().contains(p) || seen[size_t(p.y()) * image.width() + p.x()] ||
            image.pixelColor(p) != kGreen)
          continue;
        seen[size_t(p.y()) * image.width() + p.x()] = true;
        sum += p;
        ++count;
        for (QPoint d : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)})
          todo.push_back(p + d);
      }
      dots.push_back(sum / count);
    }
  }
  // A line drawn over a dot splits it: parts this close are one dot.
  std::vector<QPointF> merged;
  for (QPointF d : dots) {
    auto near = std::find_if(merged.begin(), merged.end(),
                             [d](QPointF m) { return QLineF(m, d).length() < 8; });
    if (near == merged.end())
      merged.push_back(d);
    else
      *near = (*near + d) / 2;
  }
  return merged;
}

struct Plot {
  explicit Plot(bool equal) {
    surface.resize(600, 300);
    surface.SetEqualScales(equal);
  }
  void Points(const std::vector<std::string>& points) {
    program.entries.Replace(points);
    QVERIFY(tw::RedrawBoundary(program));
  }
  tw::StringLog log;
  tw::PlotSurface surface;
  tw::Program program{log, surface};
};

class RecordingPrintDialog : public tw::PrintDialog {
 public:
  bool Choose(QPrinter& printer) override {
    set_up(printer);
    return true;
  }
  std::function<void(QPrinter&)> set_up;
};

}  // namespace

class PlatViewTest : public QObject {
  Q_OBJECT

 private slots:
  // A square's corners land on a square of pixels with equal scales, and on
  // a 2:1 rectangle without (the picture is twice as wide as high).
  void equalScalesKeepASquareSquare() {
    for (bool equal : {true, false}) {
      Plot plot(equal);
      plot.Points({"10 , 10", "210 , 10", "210 , 210", "10 , 210"});
      const std::vector<QPointF> dots = GreenDots(plot.surface.Picture());
      QCOMPARE(dots.size(), size_t(4));
      const QRectF box = QPolygonF(QVector<QPointF>(dots.begin(), dots.end())).boundingRect();
      QVERIFY2(std::abs(box.width() - (equal ? 1 : 2) * box.height()) <= 1,
               qPrintable(QString("%1 x %2").arg(box.width()).arg(box.height())));
    }
  }

  // Every corner inside, one within 10% of the edge the fit is tight along:
  // the shorter side with equal scales, the x extent without.
  void zoomToFitShowsEveryCorner() {
    for (bool equal : {true, false}) {
      Plot plot(equal);
      plot.Points(equal ? std::vector<std::string>{"0 , 0", "900 , 2000", "-300 , 2600"}
                        : std::vector<std::string>{"0 , 0", "-2600 , 100", "-1900 , 300"});
      QVERIFY(GreenDots(plot.surface.Picture()).size() < 3);  // off the default 300
      QVERIFY(tw::ZoomToFit(plot.program));
      QVERIFY(QString::fromStdString(plot.log.Text()).trimmed().endsWith("Zoom to Fit"));
      const std::vector<QPointF> dots = GreenDots(plot.surface.Picture());
      QCOMPARE(dots.size(), size_t(3));
      bool near_edge = false;
      for (QPointF d : dots) {
        QVERIFY(d.x() > 3 && d.x() < 597 && d.y() > 3 && d.y() < 297);
        near_edge |= d.x() < 60 || d.x() > 540 || d.y() < 30 || d.y() > 270;
      }
      QVERIFY(near_edge);
    }
  }

  // Run once as is and once under QT_SCALE_FACTOR=2: the picture has the
  // screen's pixels, the pens keep their device-independent widths.
  void penWidthsStayDeviceIndependent() {
    tw::PlotSurface surface;
    surface.resize(200, 200);
    surface.show();
    QVERIFY(QTest::qWaitForWindowExposed(&surface));
    const qreal ratio = surface.devicePixelRatioF();
    const QByteArray asked = qgetenv("QT_SCALE_FACTOR");
    QCOMPARE(ratio, asked.isEmpty() ? 1.0 : asked.toDouble());
    tw::StringLog log;
    tw::Program program(log, surface);
    tw::ResetDrawing(program);  // a one-pixel grey axis
    surface.SetPenWidth(2);
    surface.Line(-200, 150, 200, 150, std::nullopt);  // two pixels, black
    const QImage p = surface.Picture();
    QCOMPARE(p.size(), QSize(200, 200) * ratio);
    auto thickness = [&p](int column, QColor colour, int from, int to) {
      int n = 0;
      for (int y = from; y < to; ++y)
        n += p.pixelColor(column, y) == colour;
      return n;
    };
    QCOMPARE(thickness(int(20 * ratio), QColor(128, 128, 128), 0, p.height()), int(ratio));
    QCOMPARE(thickness(int(60 * ratio), Qt::black, 0, p.height()), int(2 * ratio));
  }

  void printsToAPdfPrinter() {
    tw::test::ScratchFolder folder;
    const std::string file = folder.File("printed.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(file));
    tw::EntryList list;
    list.Replace(tw::test::ClosureExampleEntries());
    QVERIFY(tw::PrintPlat(list, {}, {}, printer));
    const std::string pdf = ReadBytes(file);
    QVERIFY(pdf.starts_with("%PDF"));
    QCOMPARE(QString::fromStdString(pdf).count(QRegularExpression("/Type /Page\\b")), 2);
  }

  // The items in their places, their settings keys, the export through the
  // file-dialog port and a failed print.
  void menusAndPorts() {
    WindowHarness h("[SETTINGS]\r\nMODE=Surveyor\r\n");
    tw::test::ScriptedFileDialog dialog;
    RecordingPrintDialog printer;
    new tw::ViewCommands(h.window());
    new tw::PlatCommands(h.window(), dialog, printer);
    QStringList file_items;
    for (QAction* a : h.Get<QMenu>("MnuPopList")->actions())
      file_items << a->objectName();
    QVERIFY(file_items.join(' ').contains(
        "mnuFileReport mnuFilePdfPlat mnuFilePrint mnuFileSeparator3 mnuFileClose"));
    QCOMPARE(h.Item("mnuZoomToFit")->shortcut(), QKeySequence("Ctrl+0"));
    QVERIFY(h.Item("mnuEqualScales")->isChecked() && !h.Item("mnuLabels")->isChecked());
    h.Item("mnuLabels")->trigger();
    h.Item("mnuEqualScales")->trigger();
    QCOMPARE(h.SettingsText(),
             std::string("[SETTINGS]\r\nMODE=Surveyor\r\nLABELS=1\r\nEQUALSCALES=0\r\n"));

    h.Item("mnuZoomToFit")->trigger();  // nothing on an empty list
    QVERIFY(!h.Log().contains("Zoom to Fit"));
    h.window().program().entries.Replace(tw::test::ClosureExampleEntries());
    h.Item("mnuZoomToFit")->trigger();
    QVERIFY(h.Log().endsWith("Zoom to Fit"));

    tw::test::ScratchFolder folder;
    dialog.answers = {folder.File("plat.pdf"), folder.File("missing/plat.pdf")};
    h.Item("mnuFilePdfPlat")->trigger();
    QCOMPARE(dialog.requests.at(0).title, std::string("Save plat as"));
    QCOMPARE(dialog.requests.at(0).initial_name, std::string("plat.pdf"));
    QVERIFY(ReadBytes(folder.File("plat.pdf")).starts_with("%PDF"));
    h.Item("mnuFilePdfPlat")->trigger();
    QVERIFY(h.Messages().at(0).text.find("could not be written") != std::string::npos);

    printer.set_up = [&folder](QPrinter& p) {
      p.setOutputFormat(QPrinter::PdfFormat);
      p.setOutputFileName(QString::fromStdString(folder.File("missing/printed.pdf")));
    };
    h.Item("mnuFilePrint")->trigger();
    QCOMPARE(h.Messages().at(1).text, std::string("The plat could not be printed."));
  }
};

QTEST_MAIN(PlatViewTest)
#include "plat_view_test.moc"
