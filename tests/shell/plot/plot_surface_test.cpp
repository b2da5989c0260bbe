// The plot surface pbDrawing, pixel by pixel: axes, origin, lines in their
// palette colours, a picture that survives a repaint, and lines at any zoom.
#include <QtTest>

#include "program/log.h"
#include "program/plot.h"
#include "program/program.h"
#include "shell/plot/plot_surface.h"

namespace {

// A surface of an odd size has a whole pixel at its centre.
constexpr int kSize = 201;

int CountColour(const QImage& image, QColor colour) {
  int n = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      n += image.pixelColor(x, y) == colour;
  }
  return n;
}

// Near (x, y), within a pixel either way: aliased lines round half-pixels.
bool ColourNear(const QImage& image, int x, int y, QColor colour) {
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) {
      if (image.pixelColor(x + dx, y + dy) == colour)
        return true;
    }
  }
  return false;
}

const QColor kGrey(128, 128, 128);
const QColor kBlue(0, 0, 128);
const QColor kBlackLine(0, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kRed(128, 0, 0);

}  // namespace

class PlotSurfaceTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    surface_ = std::make_unique<tw::PlotSurface>();
    surface_->resize(kSize, kSize);
    program_ = std::make_unique<tw::Program>(log_, *surface_);
  }

  void resetDrawsGreyAxesAndBlueOrigin() {
    tw::ResetDrawing(*program_);
    const QImage p = surface_->Picture();
    QCOMPARE(p.size(), QSize(kSize, kSize));
    QVERIFY(ColourNear(p, 10, kSize / 2, kGrey));
    QVERIFY(ColourNear(p, kSize - 10, kSize / 2, kGrey));
    QVERIFY(ColourNear(p, kSize / 2, 10, kGrey));
    QVERIFY(ColourNear(p, kSize / 2, kSize - 10, kGrey));
    QVERIFY(ColourNear(p, kSize / 2, kSize / 2, kBlue));
    QCOMPARE(CountColour(p, kBlue), 1);
    QCOMPARE(p.pixelColor(20, 20), QColor(Qt::white));
    // A resize starts a new, white buffer of the new size.
    surface_->resize(120, 80);
    QCOMPARE(surface_->Picture().size(), QSize(120, 80));
    QCOMPARE(CountColour(surface_->Picture(), QColor(Qt::white)), 120 * 80);
  }

  // East 150 of 300 is three quarters across; north is up.
  void bearingLineIsBlackAndSurvivesARepaint() {
    tw::ResetDrawing(*program_);
    QVERIFY(tw::DrawBearingLine(*program_, "NE", 90, 0, 0, "150").ok());
    QVERIFY(tw::DrawBearingLine(*program_, "NW", 0, 0, 0, "150").ok());
    const QImage p = surface_->Picture();
    QVERIFY(ColourNear(p, 125, kSize / 2, kBlackLine));
    QVERIFY(ColourNear(p, 150, 75, kBlackLine));
    QVERIFY(!ColourNear(p, 50, 50, kBlackLine));
    surface_->show();
    QVERIFY(QTest::qWaitForWindowExposed(surface_.get()));
    surface_->repaint();
    const QImage shown = surface_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown, p.convertToFormat(QImage::Format_RGB32));
  }

  void pointListShowsSegmentsClosingLineAndMarks() {
    for (const char* e : {"100 , 200", "130 , 200", "130 , 240"})
      program_->entries.Append(e);
    QVERIFY(tw::RedrawBoundary(*program_).ok());
    const QImage p = surface_->Picture();
    // (30, 40) of 300 is at pixel (110, 87) of 201.
    QVERIFY(ColourNear(p, 110, 87, kGreen));
    QVERIFY(ColourNear(p, 110, 94, kBlackLine));
    QVERIFY(ColourNear(p, 105, 93, kRed));
  }

  // After many zooms a line's pixel ends are astronomically far off; it must
  // still cross the picture where it should (how fast is the benchmarks' business).
  void linesAtAnyZoomDrawWhereTheyCross() {
    // Zoomed in 1000 and 1700 times, and far out.
    for (double extent : {300 / std::pow(1.5, 1000), 300 / std::pow(1.5, 1700), 1e250}) {
      init();
      program_->state.PlotExtentX = extent;
      program_->state.PlotExtentY = extent;
      tw::ResetDrawing(*program_);
      // Diagonals from the origin, as a boundary's first line runs, far beyond
      // two corners.
      surface_->SetPenWidth(2);
      surface_->Line(0, 0, 1e99, 1e99, std::nullopt);
      surface_->Line(-1e99, -1e99, 0, 0, std::nullopt);
      const QImage p = surface_->Picture();
      if (extent < 1e99) {
        QVERIFY(ColourNear(p, 20, kSize - 21, kBlackLine));
        QVERIFY(ColourNear(p, kSize - 21, 20, kBlackLine));
      }
      QVERIFY(!ColourNear(p, 20, 20, kBlackLine));
    }
  }

  // Zoomed in a million times on an arc a million units round, it crosses
  // the picture as a straight line; an arc whose circle holds the whole view
  // or lies far from it leaves the picture white.
  void arcsAtAnyZoomDrawOnlyWhereTheyCross() {
    program_->state.PlotExtentX = program_->state.PlotExtentY = 300e-6;
    tw::ResetDrawing(*program_);
    surface_->Arc(0, -1e6, 1e6, M_PI / 2 - 0.5, 1, std::nullopt);
    surface_->Arc(0, 0, 1, 0, 2 * M_PI, tw::kDarkRed);
    surface_->Arc(1e9, 0, 1, 0, 2 * M_PI, tw::kDarkRed);
    const QImage p = surface_->Picture();
    QVERIFY(ColourNear(p, 20, kSize / 2, kBlackLine) && ColourNear(p, 180, kSize / 2, kBlackLine));
    QVERIFY(!ColourNear(p, kSize / 2, 20, kBlackLine));
    QCOMPARE(CountColour(p, kRed), 0);
  }

  // Unequal scales make an arc an ellipse, divided by the finer of the two.
  void arcIsAnEllipseUnderUnequalScales() {
    surface_->Clear();
    surface_->SetScale(-100, 50, 100, -50);  // 1.005 pixels a unit across, 2.01 up
    QCOMPARE(surface_->PixelsPerUnit(), 2.01 * surface_->devicePixelRatioF());
    surface_->Arc(0, 0, 40, 0, 2 * M_PI, tw::kDarkRed);
    const QImage p = surface_->Picture();
    // (40, 0) is at pixel (140.7, 100.5), (0, 40) at (100.5, 20.1).
    QVERIFY(ColourNear(p, 141, 100, kRed));
    QVERIFY(ColourNear(p, 100, 20, kRed));
    QVERIFY(!ColourNear(p, 100, 60, kRed));
  }

 private:
  tw::StringLog log_;
  std::unique_ptr<tw::PlotSurface> surface_;
  std::unique_ptr<tw::Program> program_;
};

QTEST_MAIN(PlotSurfaceTest)
#include "plot_surface_test.moc"
