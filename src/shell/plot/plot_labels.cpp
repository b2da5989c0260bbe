// The plot surface's line labels and corner numbers, drawn over the picture.
#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "shell/plot/plot_surface.h"

namespace tw {
namespace {

constexpr double kLabelPoints = 8;
constexpr double kGap = 3;          // pixels between a line and its label
constexpr double kCornerReach = 8;  // pixels from a corner to its number

// Turned to read from the left, never upside down; screen degrees, clockwise.
double ReadableScreenAngle(QPointF d) {
  double angle = std::atan2(d.y(), d.x()) * 180 / M_PI;
  if (angle > 90)
    angle -= 180;
  else if (angle <= -90)
    angle += 180;
  return angle;
}

}  // namespace

// Where a label goes on screen: the middle of its line or arc, the direction
// it runs there, and the length on screen it must fit.
struct PlotSurface::LabelPlace {
  QPointF middle;
  QPointF direction;
  double length = 0;
};

PlotSurface::LabelPlace PlotSurface::PlaceOnLine(const Mapping& m, PlanePoint from, PlanePoint to) {
  const QPointF a = m(from.east, from.north);
  const QPointF b = m(to.east, to.north);
  return {(a + b) / 2, b - a, std::hypot(b.x() - a.x(), b.y() - a.y())};
}

// The arc's length on screen is taken at the finer of the two scales, as an
// ellipse's is at least that.
PlotSurface::LabelPlace PlotSurface::PlaceOnArc(const Mapping& m, const PlotLabels::Line::Arc& a) {
  const double at = a.start + a.sweep / 2;
  const double turn = a.sweep < 0 ? -1 : 1;
  return {m(a.centre.east + a.radius * std::cos(at), a.centre.north + a.radius * std::sin(at)),
          QPointF(-std::sin(at) * m.sx * turn, std::cos(at) * m.sy * turn),
          std::fabs(a.sweep) * a.radius * std::min(std::fabs(m.sx), std::fabs(m.sy))};
}

void PlotSurface::SetLabels(PlotLabels labels) {
  labels_ = std::move(labels);
  if (label_images_.size() > 4 * labels_.lines.size() + 1000)
    label_images_.clear();
  update();
}

double PlotSurface::LabelSizeInUnits() const {
  const std::optional<Mapping> m = CurrentMapping();
  if (!m)
    return 0;
  QFont font = this->font();
  font.setPointSizeF(kLabelPoints);
  return QFontMetricsF(font).height() / std::min(std::fabs(m->sx), std::fabs(m->sy));
}

// Turned text is drawn glyph by glyph as curves, each time; a label is
// drawn once, upright, into a picture that is then turned, which is many
// times quicker when every redraw shows the same labels again.
const QImage& PlotSurface::LabelImage(const QString& text, const QFont& font, qreal ratio) const {
  auto found = label_images_.find(text);
  if (found != label_images_.end() && found->second.devicePixelRatio() == ratio)
    return found->second;
  const QFontMetricsF metrics(font);
  const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height() + 2);
  QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setFont(font);
  p.setPen(Qt::black);
  p.drawText(QPointF(1, 1 + metrics.ascent()), text);
  p.end();
  return label_images_.insert_or_assign(text, std::move(image)).first->second;
}

void PlotSurface::DrawLabels(QPainter& p) const {
  const std::optional<Mapping> m = CurrentMapping();
  if (!m || (labels_.lines.empty() && labels_.corners.empty()))
    return;
  QFont font = this->font();
  font.setPointSizeF(kLabelPoints);
  p.setFont(font);
  p.setPen(Qt::black);
  const QFontMetricsF metrics(font);
  const QRectF visible(0, 0, width(), height());
  // A user direction on screen: y grows downward when the scale's top is
  // the larger value.
  const double flip_x = m->sx < 0 ? -1 : 1;
  const double flip_y = m->sy < 0 ? -1 : 1;
  for (const PlotLabels::Line& l : labels_.lines) {
    const LabelPlace place = l.arc ? PlaceOnArc(*m, *l.arc) : PlaceOnLine(*m, l.from, l.to);
    const QPointF mid = place.middle;
    if (!visible.contains(mid))
      continue;
    const double text_width = metrics.horizontalAdvance(l.text);
    if (place.length < text_width)
      continue;
    const double angle = ReadableScreenAngle(place.direction);
    const double rad = angle * M_PI / 180;
    const QPointF out(l.out.east * flip_x, l.out.north * flip_y);
    const QPointF up(std::sin(rad), -std::cos(rad));
    const bool up_is_out = up.x() * out.x() + up.y() * out.y() >= 0;
    const double offset = kGap + (up_is_out ? 0 : metrics.ascent());
    const QImage& image = LabelImage(l.text, font, p.device()->devicePixelRatioF());
    p.save();
    p.translate(mid + out * offset);
    p.rotate(angle);
    p.drawImage(QPointF(-text_width / 2 - 1, -metrics.ascent() - 1), image);
    p.restore();
  }
  for (const PlotLabels::Corner& c : labels_.corners) {
    const QPointF at = (*m)(c.at.east, c.at.north) +
                       QPointF(c.out.east * flip_x, c.out.north * flip_y) * kCornerReach;
    if (!visible.contains(at))
      continue;
    const double w = metrics.horizontalAdvance(c.text);
    p.drawText(at + QPointF(-w / 2, metrics.ascent() / 2 - 1), c.text);
  }
}

}  // namespace tw
