#include "shell/window/pictures.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <cmath>
#include <functional>

#include "entry/carpenter.h"
#include "shell/window/cp1252.h"

namespace tw {
namespace {

const QColor kInk(32, 32, 32);
const QColor kPaper(255, 255, 240);
const QColor kAccent(0, 96, 160);
const QColor kFolder(220, 180, 60);

QPixmap Draw(QSize size, const std::function<void(QPainter&)>& paint) {
  QPixmap pixmap(size);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  paint(p);
  return pixmap;
}

void Page(QPainter& p, const QRectF& r) {
  const double fold = r.width() / 3;
  QPolygonF sheet({r.topLeft(), QPointF(r.right() - fold, r.top()),
                   QPointF(r.right(), r.top() + fold), r.bottomRight(), r.bottomLeft()});
  p.setPen(QPen(kInk, 1));
  p.setBrush(kPaper);
  p.drawPolygon(sheet);
  p.drawPolyline(
      QPolygonF({QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold),
                 QPointF(r.right(), r.top() + fold)}));
}

void Magnifier(QPainter& p, bool plus) {
  p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(220, 240, 255));
  p.drawEllipse(QPointF(10, 10), 7, 7);
  p.setPen(QPen(kAccent, 2));
  p.drawLine(QPointF(6.5, 10), QPointF(13.5, 10));
  if (plus)
    p.drawLine(QPointF(10, 6.5), QPointF(10, 13.5));
}

void PaintButton(QPainter& p, ButtonPicture picture) {
  switch (picture) {
    case ButtonPicture::New:
      Page(p, QRectF(5.5, 2.5, 13, 18));
      break;
    case ButtonPicture::Open: {
      p.setPen(QPen(kInk, 1));
      p.setBrush(kFolder.darker(115));
      p.drawRect(QRectF(2.5, 5.5, 17, 13));
      p.setBrush(kFolder);
      p.drawPolygon(QPolygonF(
          {QPointF(2.5, 18.5), QPointF(6.5, 9.5), QPointF(22.5, 9.5), QPointF(18.5, 18.5)}));
      break;
    }
    case ButtonPicture::Save:
      p.setPen(QPen(kInk, 1));
      p.setBrush(kAccent);
      p.drawRect(QRectF(3.5, 2.5, 17, 18));
      p.setBrush(Qt::white);
      p.drawRect(QRectF(6.5, 2.5, 11, 7));
      p.setBrush(QColor(200, 200, 200));
      p.drawRect(QRectF(7.5, 13.5, 9, 7));
      break;
    case ButtonPicture::DxfExport:
      Page(p, QRectF(3.5, 1.5, 14, 19));
      p.setPen(QPen(QColor(200, 0, 0), 1.5));
      p.drawPolyline(QPolygonF({QPointF(6, 16), QPointF(9, 8), QPointF(14, 12), QPointF(21, 6)}));
      break;
    case ButtonPicture::PointExport:
      Page(p, QRectF(3.5, 1.5, 14, 19));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 128, 0));
      for (QPointF c : {QPointF(7, 15), QPointF(10, 8), QPointF(14, 13), QPointF(20, 7)})
        p.drawEllipse(c, 2, 2);
      break;
    case ButtonPicture::Report:
      Page(p, QRectF(5.5, 1.5, 13, 19));
      p.setPen(QPen(kInk.lighter(200), 1));
      for (double y = 8.5; y < 19; y += 3)
        p.drawLine(QPointF(7.5, y), QPointF(16.5, y));
      break;
    case ButtonPicture::Help: {
      p.setPen(Qt::NoPen);
      p.setBrush(kAccent);
      p.drawEllipse(QRectF(0.5, 0.5, 15, 15));
      QFont font = p.font();
      font.setPixelSize(12);
      font.setBold(true);
      p.setFont(font);
      p.setPen(Qt::white);
      p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, "?");
      break;
    }
    case ButtonPicture::ZoomIn:
      Magnifier(p, true);
      break;
    case ButtonPicture::ZoomOut:
      Magnifier(p, false);
      break;
    case ButtonPicture::Redraw: {
      p.setPen(QPen(QColor(0, 128, 0), 2.5, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 128, 0));
      p.drawPolygon(QPolygonF({QPointF(13, 1), QPointF(20, 5), QPointF(13, 9)}));
      break;
    }
  }
}

QSize ButtonSize(ButtonPicture picture) {
  switch (picture) {
    case ButtonPicture::Help:
      return {16, 16};
    case ButtonPicture::ZoomIn:
    case ButtonPicture::ZoomOut:
    case ButtonPicture::Redraw:
      return {24, 24};
    default:
      return {24, 23};
  }
}

void Caption(QPainter& p, const QString& text) {
  QFont font = p.font();
  font.setPixelSize(9);
  font.setBold(true);
  p.setFont(font);
  p.setPen(kInk);
  p.drawText(QRectF(27, 0, 53, 25), Qt::AlignVCenter | Qt::AlignLeft, text);
}

void PaintMode(QPainter& p, ModePicture picture) {
  switch (picture) {
    case ModePicture::Surveyor:
      // A tripod under an instrument.
      p.setPen(QPen(kInk, 1.5));
      p.drawLine(QPointF(14, 10), QPointF(6, 23));
      p.drawLine(QPointF(14, 10), QPointF(14, 23));
      p.drawLine(QPointF(14, 10), QPointF(22, 23));
      p.setBrush(QColor(230, 180, 0));
      p.drawRect(QRectF(9, 3, 10, 7));
      Caption(p, "Surveyor");
      break;
    case ModePicture::Carpenter:
      // A carpenter's square.
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(150, 150, 160));
      p.drawRect(QRectF(5, 3, 5, 19));
      p.drawRect(QRectF(5, 17, 20, 5));
      p.setPen(QPen(kInk, 1));
      for (double y = 6; y < 17; y += 3)
        p.drawLine(QPointF(5, y), QPointF(8, y));
      Caption(p, "Carpenter");
      break;
    case ModePicture::Point:
      p.setPen(QPen(kInk, 1.2));
      p.drawPolygon(QPolygonF({QPointF(5, 20), QPointF(10, 4), QPointF(24, 8), QPointF(21, 21)}));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0, 128, 0));
      for (QPointF c : {QPointF(5, 20), QPointF(10, 4), QPointF(24, 8), QPointF(21, 21)})
        p.drawEllipse(c, 2.2, 2.2);
      Caption(p, "Point");
      break;
  }
}

void PaintArrow(QPainter& p, double degrees, double size) {
  // Counter-clockwise from east, north up.
  const double a = degrees * M_PI / 180;
  const QPointF c(size / 2, size / 2);
  const double r = size / 2 - 1.5;
  const QPointF tip(c.x() + r * std::cos(a), c.y() - r * std::sin(a));
  const QPointF tail(c.x() - r * std::cos(a), c.y() + r * std::sin(a));
  p.setPen(QPen(kAccent, 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(tail, tip);
  const double head = size / 3;
  QPolygonF barb;
  barb << tip << QPointF(tip.x() - head * std::cos(a - 0.45), tip.y() + head * std::sin(a - 0.45))
       << QPointF(tip.x() - head * std::cos(a + 0.45), tip.y() + head * std::sin(a + 0.45));
  p.setPen(Qt::NoPen);
  p.setBrush(kAccent);
  p.drawPolygon(barb);
}

}  // namespace

QIcon ButtonIcon(ButtonPicture picture) {
  return QIcon(Draw(ButtonSize(picture), [&](QPainter& p) { PaintButton(p, picture); }));
}

QIcon ModeIcon(ModePicture picture) {
  return QIcon(Draw({80, 25}, [&](QPainter& p) { PaintMode(p, picture); }));
}

QPixmap PlotPicture() {
  return Draw({159, 159}, [](QPainter& p) {
    p.fillRect(QRectF(0, 0, 159, 159), QColor(245, 245, 235));
    p.setPen(QPen(QColor(200, 200, 190), 1));
    for (int i = 15; i < 159; i += 16) {
      p.drawLine(QPointF(i + 0.5, 0), QPointF(i + 0.5, 159));
      p.drawLine(QPointF(0, i + 0.5), QPointF(159, i + 0.5));
    }
    const QPolygonF plot(
        {QPointF(30, 120), QPointF(45, 35), QPointF(118, 25), QPointF(135, 95), QPointF(88, 135)});
    p.setPen(QPen(QColor(40, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(150, 200, 120, 140));
    p.drawPolygon(plot);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 128, 0));
    for (QPointF c : plot)
      p.drawEllipse(c, 4, 4);
    // A north arrow.
    p.setBrush(QColor(40, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(145, 8), QPointF(140, 24), QPointF(150, 24)}));
  });
}

std::vector<ArrowImage> ArrowImages() {
  std::vector<ArrowImage> images;
  for (const CarpenterPreset& preset : kCarpenterPresets) {
    images.push_back({FromCp1252(preset.key), QIcon(Draw({16, 16}, [&](QPainter& p) {
                        PaintArrow(p, preset.degrees, 16);
                      }))});
  }
  return images;
}

QIcon WindowIcon() {
  QIcon icon;
  for (int size : {32, 24, 16}) {
    icon.addPixmap(Draw({size, size}, [&](QPainter& p) {
      const double s = size / 32.0;
      p.scale(s, s);
      p.setPen(QPen(QColor(40, 40, 40), 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
      p.setBrush(QColor(120, 190, 90));
      p.drawPolygon(QPolygonF({QPointF(4, 27), QPointF(8, 6), QPointF(27, 4), QPointF(29, 24)}));
    }));
  }
  return icon;
}

}  // namespace tw
