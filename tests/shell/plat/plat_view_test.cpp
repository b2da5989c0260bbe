// The plat and the View menu through the real plot surface, printer and
// window: equal scales, zoom to fit, dragging and the wheel, device-
// independent pens, printing to a PDF printer, and the menu items with their
// settings and messages.
#include <QMenu>
#include <QPrinter>
#include <QtTest>
#include <functional>

#include "doubles/entry_lists.h"
#include "plat/zoom_to_fit.h"
#include "program/log.h"
#include "program/plot.h"
#include "program/program.h"
#include "shell/plat/plat_commands.h"
#include "shell/plat/print_dialog.h"
#include "shell/plot/plot_moves.h"
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

// A dot within a pixel and a half of each place, whatever the order.
bool DotsAt(const std::vector<QPointF>& dots, const std::vector<QPointF>& places) {
  if (dots.size() != places.size())
    return false;
  return std::all_of(places.begin(), places.end(), [&dots](QPointF p) {
    return std::any_of(dots.begin(), dots.end(),
                       [p](QPointF d) { return QLineF(d, p).length() <= 1.5; });
  });
}

void Mouse(QWidget& widget, QEvent::Type type, QPointF at) {
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget.mapToGlobal(at), button,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(&widget, &event);
}

void Wheel(QWidget& widget, QPointF at, double notches) {
  QWheelEvent event(at, widget.mapToGlobal(at), QPoint(), QPoint(0, int(notches * 120)),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(&widget, &event);
}

// A lot beside its first corner, small at the starting extents.
const std::vector<std::string> kLot = {"0 , 0", "100 , 0", "100 , 80", "30 , 60"};

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
  tw::PlotMoves moves{program, surface};
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

  // A semicircle bulging half its chord's length past the corners: the fit
  // takes in its top, the arc is drawn through it, and its label gives its
  // radius, delta and length at its middle.
  void curvesAreFittedDrawnAndLabelledAlongTheirArcs() {
    Plot plot(false);
    const std::string deg = "\xB0";
    plot.Points({"NE 00" + deg + "00'00'' @100.00LF",
                 "Curve right R 50.00LF delta 180" + deg + "00'00'' tangent",
                 "SE 00" + deg + "00'00'' @100.00LF"});
    QVERIFY(tw::ZoomToFit(plot.program));
    const tw::ProgramState& s = plot.program.state;
    QCOMPARE(s.PlotCentreY, 75.0);
    QCOMPARE(s.PlotExtentY, 75 / 0.92);
    QCOMPARE(s.PlotExtentX, 50 / 0.92);
    // The top (50, 150) is 6.52 of 163.04 units down the 300 pixels.
    const QImage p = plot.surface.Picture();
    QVERIFY(p.pixelColor(300, 11) == Qt::black || p.pixelColor(300, 12) == Qt::black);
    tw::PlotLabels labels = tw::ScreenLabels(*tw::DrawingOf(plot.program.entries), 1);
    tw::LabelCurves(plot.program.entries, labels);
    QCOMPARE(labels.lines[1].text, "R 50.0000 " + QString(QChar(0x394)) + " 180" +
                                       QString(QChar(0xB0)) + "00'00.0\" L 157.0796");
    QVERIFY(labels.lines[1].arc && !labels.lines[0].arc);
    QCOMPARE(labels.lines[1].arc->sweep, -M_PI);
  }

  // Boundaries to every side of their start: every corner inside, the box
  // centred and filling 90% of the tighter direction with equal scales, of
  // both without (a flat direction excepted).
  void zoomToFitCentresAndFillsThePlot() {
    struct Case {
      std::vector<std::string> points;
      bool flat;
    };
    const Case cases[] = {
        {{"0 , 0", "2600 , 100", "1900 , 900"}, false},              // east
        {{"0 , 0", "-400 , 30", "-350 , 500", "-20 , 420"}, false},  // west, north
        {{"0 , 0", "90 , -2000", "-300 , -2600"}, false},            // south
        {{"0 , 0", "-5.5 , -3", "-9 , -1.25", "-2 , -0.5"}, false},  // south-west
        {{"1000 , 1000", "1800 , 1000", "1500 , 1000"}, true},       // along the x axis
        {{"-70 , 20", "-70 , 900", "-70 , -300"}, true},             // along the y axis
    };
    for (bool equal : {true, false}) {
      for (const Case& c : cases) {
        Plot plot(equal);
        plot.Points(c.points);
        QVERIFY(tw::ZoomToFit(plot.program));
        QVERIFY(QString::fromStdString(plot.log.Text()).endsWith("Zoom to Fit"));
        const std::vector<QPointF> dots = GreenDots(plot.surface.Picture());
        QCOMPARE(dots.size(), c.points.size());
        const QRectF box = QPolygonF(QVector<QPointF>(dots.begin(), dots.end())).boundingRect();
        const QString shown = QString("%1 %2 %3 x %4")
                                  .arg(box.left())
                                  .arg(box.top())
                                  .arg(box.width())
                                  .arg(box.height());
        QVERIFY2(QRectF(3, 3, 594, 294).contains(box), qPrintable(shown));
        QVERIFY2(QLineF(box.center(), QPointF(300, 150)).length() <= 1.5, qPrintable(shown));
        const bool wide = box.width() >= 0.9 * 600;
        const bool high = box.height() >= 0.9 * 300;
        QVERIFY2(equal ? wide || high : (wide && high) || (c.flat && (wide || high)),
                 qPrintable(shown));
      }
    }
  }

  // The corners move with the pointer pixel for pixel, once the event loop
  // turns; nothing is logged, and the cursor shows the plot can be held.
  void dragMovesTheCornersWithThePointer() {
    struct Case {
      bool equal;
      QPointF by;
    };
    const Case cases[] = {{true, {90, -40}}, {false, {-130, 25}}, {true, {0, 70}}};
    for (const Case& c : cases) {
      Plot plot(c.equal);
      plot.Points(kLot);
      QCOMPARE(plot.surface.cursor().shape(), Qt::OpenHandCursor);
      const std::string logged = plot.log.Text();
      const QImage before = plot.surface.Picture();
      const QPointF start(280, 160);
      Mouse(plot.surface, QEvent::MouseButtonPress, start);
      QCOMPARE(plot.surface.cursor().shape(), Qt::ClosedHandCursor);
      for (int step = 1; step <= 4; ++step)
        Mouse(plot.surface, QEvent::MouseMove, start + c.by * step / 4);
      QCOMPARE(plot.surface.Picture(), before);
      Mouse(plot.surface, QEvent::MouseButtonRelease, start + c.by);
      QCoreApplication::processEvents();
      std::vector<QPointF> moved = GreenDots(before);
      for (QPointF& d : moved)
        d += c.by;
      QVERIFY(DotsAt(GreenDots(plot.surface.Picture()), moved));
      QCOMPARE(plot.surface.cursor().shape(), Qt::OpenHandCursor);
      QCOMPARE(plot.log.Text(), logged);
    }
  }

  // A notch at a corner leaves it in place while the others go 1.25 times
  // as far from it, or back, also when a drag came first in the same pass of
  // the event loop; Re-Draw then shows the starting view exactly.
  void wheelZoomsAboutThePointUnderTheCursor() {
    struct Case {
      bool equal;
      size_t corner;  // in the order GreenDots finds them
      double notches;
      QPointF dragged;  // before the wheel, not yet drawn
    };
    const Case cases[] = {
        {true, 0, 1, {}}, {false, 2, -1, {}}, {true, 3, 2, {-60, 35}}, {false, 1, 0.5, {25, 40}}};
    for (const Case& c : cases) {
      Plot plot(c.equal);
      plot.Points(kLot);
      const std::string logged = plot.log.Text();
      const QImage start = plot.surface.Picture();
      std::vector<QPointF> dots = GreenDots(start);
      for (QPointF& d : dots)
        d += c.dragged;
      Mouse(plot.surface, QEvent::MouseButtonPress, {300, 150});
      Mouse(plot.surface, QEvent::MouseMove, QPointF(300, 150) + c.dragged);
      Mouse(plot.surface, QEvent::MouseButtonRelease, QPointF(300, 150) + c.dragged);
      const QPointF at = dots.at(c.corner);
      Wheel(plot.surface, at, c.notches);
      QCoreApplication::processEvents();
      for (QPointF& d : dots)
        d = at + (d - at) * std::pow(1.25, c.notches);
      QVERIFY(DotsAt(GreenDots(plot.surface.Picture()), dots));
      QCOMPARE(plot.log.Text(), logged);
      QVERIFY(tw::ResetZoom(plot.program));
      QCOMPARE(plot.surface.Picture(), start);
    }
  }

  // Re-Draw after a fit, a drag and a wheel: the starting view to the pixel.
  void reDrawRestoresTheStartingView() {
    for (bool equal : {true, false}) {
      Plot plot(equal);
      plot.Points(kLot);
      const QImage start = plot.surface.Picture();
      QVERIFY(tw::ZoomToFit(plot.program));
      Mouse(plot.surface, QEvent::MouseButtonPress, {100, 100});
      Mouse(plot.surface, QEvent::MouseMove, {170, 60});
      Mouse(plot.surface, QEvent::MouseButtonRelease, {170, 60});
      Wheel(plot.surface, {400, 200}, -3);
      QCoreApplication::processEvents();
      QVERIFY(plot.surface.Picture() != start);
      QVERIFY(tw::ResetZoom(plot.program));
      QCOMPARE(plot.surface.Picture(), start);
      QCOMPARE(plot.program.state.PlotExtentX, 300.0);
      QCOMPARE(plot.program.state.PlotCentreX, 0.0);
      QCOMPARE(plot.program.state.PlotCentreY, 0.0);
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
    tw::test::AssembledWindow w("[SETTINGS]\r\nMODE=Surveyor\r\n");
    WindowHarness& h = w.harness;
    tw::test::ScriptedFileDialog& dialog = w.dialog;
    QStringList file_items;
    for (QAction* a : h.Get<QMenu>("MnuPopList")->actions())
      file_items << a->objectName();
    QVERIFY(file_items.join(' ').contains(
        "mnuFileReport mnuFilePdfPlat mnuFilePdfPlatReport mnuFilePrint mnuFileSeparator3 "
        "mnuFileClose"));
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
    const double fitted = h.window().program().state.PlotExtentX;
    Wheel(*h.Get("pbDrawing"), {50, 50}, 1);
    QCoreApplication::processEvents();
    QCOMPARE(h.window().program().state.PlotExtentX, fitted / 1.25);
    QVERIFY(h.Log().endsWith("Zoom to Fit"));

    tw::test::ScratchFolder folder;
    dialog.answers = {folder.File("plat.pdf"), folder.File("missing/plat.pdf")};
    h.Item("mnuFilePdfPlat")->trigger();
    QCOMPARE(dialog.requests.at(0).title, std::string("Save plat as"));
    QCOMPARE(dialog.requests.at(0).initial_name, std::string("plat.pdf"));
    QVERIFY(ReadBytes(folder.File("plat.pdf")).starts_with("%PDF"));
    h.Item("mnuFilePdfPlat")->trigger();
    QVERIFY(h.Messages().at(0).text.find("could not be written") != std::string::npos);
    // With the closure report: the plat's pages and one more.
    dialog.answers = {folder.File("report.pdf")};
    h.Item("mnuFilePdfPlatReport")->trigger();
    const auto pages = [&folder](const char* name) {
      return QString::fromStdString(ReadBytes(folder.File(name)))
          .count(QRegularExpression("/Type /Page\\b"));
    };
    QCOMPARE(pages("report.pdf"), pages("plat.pdf") + 1);

    w.printer.set_up = [&folder](QPrinter& p) {
      p.setOutputFormat(QPrinter::PdfFormat);
      p.setOutputFileName(QString::fromStdString(folder.File("missing/printed.pdf")));
    };
    h.Item("mnuFilePrint")->trigger();
    QCOMPARE(h.Messages().at(1).text, std::string("The plat could not be printed."));
  }
};

QTEST_MAIN(PlatViewTest)
#include "plat_view_test.moc"
