// Lines and marks written straight into the pixels land where the painter
// puts them, in every direction, at pixel ratios 1 and 2, and at the edges.
#include <QPainter>
#include <QtTest>
#include <cmath>

#include "shell/plot/pixel_lines.h"

namespace {

const QRgb kInk = qRgb(0, 0, 0);

QImage Blank(qreal ratio) {
  QImage image(QSize(60, 40) * ratio, QImage::Format_RGB32);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::white);
  return image;
}

// Every inked pixel of one picture lies within `reach` pixels of an inked
// pixel of the other.
bool InkNear(const QImage& from, const QImage& to, int reach) {
  for (int y = 0; y < from.height(); ++y) {
    for (int x = 0; x < from.width(); ++x) {
      if (from.pixel(x, y) != kInk)
        continue;
      bool found = false;
      for (int dy = -reach; dy <= reach && !found; ++dy) {
        for (int dx = -reach; dx <= reach && !found; ++dx)
          found = to.valid(x + dx, y + dy) && to.pixel(x + dx, y + dy) == kInk;
      }
      if (!found)
        return false;
    }
  }
  return true;
}

}  // namespace

class PixelLinesTest : public QObject {
  Q_OBJECT

 private slots:
  void linesFollowThePainter_data() {
    QTest::addColumn<QLineF>("line");
    QTest::addColumn<int>("width");
    QTest::addColumn<qreal>("ratio");
    // Both ways along each of the eight directions, steep and shallow,
    // along an axis, and lines leaving the picture.
    const QLineF lines[] = {{5.2, 7.7, 50.6, 20.1}, {50.6, 20.1, 5.2, 7.7}, {8.5, 35.5, 20.2, 2.3},
                            {20.2, 2.3, 8.5, 35.5}, {3, 30.5, 57, 30.5},    {30.5, 2, 30.5, 38},
                            {-40, -30, 90, 70},     {70, 10, -5, 39.9}};
    for (qreal ratio : {1.0, 2.0}) {
      for (int width : {1, 2}) {
        for (const QLineF& l : lines)
          QTest::addRow("%g,%g-%g,%g w%d r%g", l.x1(), l.y1(), l.x2(), l.y2(), width, ratio)
              << l << width << ratio;
      }
    }
  }
  void linesFollowThePainter() {
    QFETCH(QLineF, line);
    QFETCH(int, width);
    QFETCH(qreal, ratio);
    QImage written = Blank(ratio);
    tw::DrawPixelLine(written, line.p1() * ratio, line.p2() * ratio,
                      static_cast<int>(std::lround(width * ratio)), kInk);
    QImage painted = Blank(ratio);
    QPainter p(&painted);
    p.setPen(QPen(QColor(kInk), width, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(line);
    p.end();
    const int reach = static_cast<int>(ratio);
    QVERIFY(InkNear(written, painted, reach));
    QVERIFY(InkNear(painted, written, reach));
  }

  // A wide dot as the surface marks a point, stamped where drawing its
  // picture would put it, also cut at the picture's corners.
  void marksCoverWhatTheirPictureWould() {
    QImage dot(7, 7, QImage::Format_ARGB32_Premultiplied);
    dot.fill(Qt::transparent);
    QPainter disc(&dot);
    disc.setPen(Qt::NoPen);
    disc.setBrush(QColor(kInk));
    disc.drawEllipse(QPointF(3.5, 3.5), 3, 3);
    disc.end();
    const std::vector<tw::MarkRun> runs = tw::OpaqueRuns(dot);
    for (qreal ratio : {1.0, 2.0}) {
      for (QPoint at : {QPoint(20, 15), QPoint(-3, -4), QPoint(56, 37)}) {
        QImage stamped = Blank(ratio);
        tw::StampMark(stamped, runs, at, kInk);
        QImage painted = Blank(ratio);
        QPainter p(&painted);
        p.drawImage(at, dot);
        p.end();
        QCOMPARE(stamped, painted);
      }
    }
  }
};

QTEST_MAIN(PixelLinesTest)
#include "pixel_lines_test.moc"
