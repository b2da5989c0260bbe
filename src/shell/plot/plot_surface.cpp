#include "shell/plot/plot_surface.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/arc_clip.h"
#include "geometry/line_clip.h"
#include "shell/plot/pixel_lines.h"

namespace tw {
namespace {

constexpr std::array<QRgb, 16> kPalette = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255)};

const QColor kForeground = Qt::black;

// The pixels of a line are whole ones, each up to half a pixel off the line:
// chords within half a pixel of an arc set the pixels the arc would, in
// fewer lines than the default's quarter pixel asks for.
constexpr double kArcPixels = 0.5;

}  // namespace

QColor PaletteColour(int index) {
  return QColor(kPalette[static_cast<size_t>(index & 15)]);
}

PlotSurface::PlotSurface(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::OpenHandCursor);
}

PlotSurface::~PlotSurface() {
  EndPainting();
}

// Drawn at the screen's pixel ratio so lines stay crisp on a dense screen;
// the painter still works in device-independent pixels, and so do pens.
void PlotSurface::EnsureBuffer() {
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(size()) * ratio).toSize();
  if (buffer_.size() == pixels && buffer_.devicePixelRatio() == ratio)
    return;
  EndPainting();
  buffer_ = QImage(pixels, QImage::Format_RGB32);
  buffer_.setDevicePixelRatio(ratio);
  buffer_.fill(Qt::white);
}

QPainter& PlotSurface::Painter() {
  EnsureBuffer();
  if (!painter_)
    painter_ = std::make_unique<QPainter>(&buffer_);
  return *painter_;
}

// For writing pixels directly; the painter lets go first, so that it never
// holds pixels that a copy of the picture shares. Asking the screen for its
// pixel ratio would cost more than a short line: a new ratio is taken up by
// the next Clear or paint, and the owner replots on either.
QImage& PlotSurface::Pixels() {
  if (buffer_.isNull() || (QSizeF(buffer_.size()) / buffer_.devicePixelRatio()).toSize() != size())
    EnsureBuffer();
  EndPainting();
  return buffer_;
}

void PlotSurface::EndPainting() {
  painter_.reset();
}

void PlotSurface::Touched() {
  if (update_pending_)
    return;
  update_pending_ = true;
  update();
}

std::optional<PlotSurface::Mapping> PlotSurface::MappingFor(const PlotView& v) const {
  Mapping m{width() / (v.right - v.left),
            height() / (v.bottom - v.top),
            v.left,
            v.top,
            v.left,
            v.top,
            v.right,
            v.bottom};
  if (!std::isfinite(m.sx) || !std::isfinite(m.sy) || m.sx == 0 || m.sy == 0)
    return std::nullopt;
  if (equal_scales_) {
    const double s = std::min(std::abs(m.sx), std::abs(m.sy));
    m.sx = std::copysign(s, m.sx);
    m.sy = std::copysign(s, m.sy);
    m.ox = (v.left + v.right) / 2 - width() / 2.0 / m.sx;
    m.oy = (v.top + v.bottom) / 2 - height() / 2.0 / m.sy;
    m.left = m.ox;
    m.top = m.oy;
    m.right = m.ox + width() / m.sx;
    m.bottom = m.oy + height() / m.sy;
  }
  return m;
}

std::optional<PlotSurface::Mapping> PlotSurface::CurrentMapping() const {
  return MappingFor(scale_);
}

std::optional<QPointF> PlotSurface::UserPoint(QPointF pixel, const PlotView& view) const {
  const std::optional<Mapping> m = MappingFor(view);
  if (!m)
    return std::nullopt;
  return QPointF(m->ox + pixel.x() / m->sx, m->oy + pixel.y() / m->sy);
}

// In the buffer's own pixels, which a high-density screen has more of.
double PlotSurface::PixelsPerUnit() const {
  const std::optional<Mapping> m = CurrentMapping();
  return m ? std::max(std::fabs(m->sx), std::fabs(m->sy)) * devicePixelRatioF() : 0;
}

void PlotSurface::Clear() {
  EnsureBuffer();
  EndPainting();
  buffer_.fill(Qt::white);
  pen_x_ = 0;
  pen_y_ = 0;
  Touched();
}

void PlotSurface::SetScale(double left, double top, double right, double bottom) {
  scale_ = {.left = left, .top = top, .right = right, .bottom = bottom};
}

void PlotSurface::SetPenWidth(int pixels) {
  pen_width_ = pixels < 1 ? 1 : pixels;
}

void PlotSurface::LineTo(double x, double y, std::optional<int> colour) {
  Line(pen_x_, pen_y_, x, y, colour);
}

void PlotSurface::Line(double x1, double y1, double x2, double y2, std::optional<int> colour) {
  DrawClipped(x1, y1, x2, y2, colour ? PaletteColour(*colour) : kForeground);
  pen_x_ = x2;
  pen_y_ = y2;
}

// The visible area in user units, widened by the pen so that a thick line
// just outside an edge still shows its part.
ClipRect PlotSurface::VisibleArea(const Mapping& m) const {
  const double margin = pen_width_ + 2;
  const double mx = margin / std::abs(m.sx);
  const double my = margin / std::abs(m.sy);
  return {std::min(m.left, m.right) - mx, std::min(m.top, m.bottom) - my,
          std::max(m.left, m.right) + mx, std::max(m.top, m.bottom) + my};
}

void PlotSurface::DrawClipped(double x1, double y1, double x2, double y2, const QColor& colour) {
  const std::optional<Mapping> m = CurrentMapping();
  if (!m || width() <= 0 || height() <= 0)
    return;
  const std::optional<Segment> cut = ClipLine({x1, y1, x2, y2}, VisibleArea(*m));
  if (!cut)
    return;
  const QPointF a = (*m)(cut->x1, cut->y1);
  const QPointF b = (*m)(cut->x2, cut->y2);
  if (pen_width_ <= 2) {
    // The pixels written directly: several times quicker than the painter
    // for long lines, which is what a boundary zoomed to fit is made of.
    QImage& pixels = Pixels();
    const qreal ratio = pixels.devicePixelRatio();
    const int thickness = std::max(1, static_cast<int>(std::lround(pen_width_ * ratio)));
    DrawPixelLine(pixels, a * ratio, b * ratio, thickness, colour.rgb());
  } else {
    QPainter& p = Painter();
    p.setPen(QPen(colour, pen_width_, Qt::SolidLine, Qt::SquareCap));
    p.drawLine(a, b);
  }
  Touched();
}

void PlotSurface::Arc(double cx, double cy, double radius, double start, double sweep,
                      std::optional<int> colour) {
  const std::optional<Mapping> m = CurrentMapping();
  if (m && width() > 0 && height() > 0) {
    const ArcPieces cut = ClipArc(cx, cy, radius, start, sweep, VisibleArea(*m));
    const QColor c = colour ? PaletteColour(*colour) : kForeground;
    for (int i = 0; i < cut.count; ++i)
      DrawArcPiece(*m, cx, cy, radius, cut.pieces[static_cast<size_t>(i)], c);
  }
  pen_x_ = cx + radius * std::cos(start + sweep);
  pen_y_ = cy + radius * std::sin(start + sweep);
}

// A piece lies within the visible area widened by the pen, and so do its
// chords: a thin pen writes them to the pixels without cutting them again.
// The chords' ends turn by one rotation each, not a sine and cosine each.
void PlotSurface::DrawArcPiece(const Mapping& m, double cx, double cy, double radius,
                               const ArcPiece& piece, const QColor& colour) {
  const bool thin = pen_width_ <= 2;
  // As PixelsPerUnit, without asking the screen for its ratio again.
  const double ratio = thin ? Pixels().devicePixelRatio() : devicePixelRatioF();
  const double pixels_per_unit = std::max(std::fabs(m.sx), std::fabs(m.sy)) * ratio;
  const int chords = ArcChordCount(radius * pixels_per_unit, piece.sweep, kArcPixels);
  if (chords == 0)
    return;
  const double step = piece.sweep / chords;
  const double turn_cos = std::cos(step), turn_sin = std::sin(step);
  double along_x = std::cos(piece.start), along_y = std::sin(piece.start);
  const auto point = [&] { return QPointF(cx + radius * along_x, cy + radius * along_y); };
  QPointF from = point();
  if (!thin) {
    for (int i = 0; i < chords; ++i) {
      const double x = along_x * turn_cos - along_y * turn_sin;
      along_y = along_y * turn_cos + along_x * turn_sin;
      along_x = x;
      const QPointF to = point();
      DrawClipped(from.x(), from.y(), to.x(), to.y(), colour);
      from = to;
    }
    return;
  }
  QImage& pixels = Pixels();
  const int thickness = std::max(1, static_cast<int>(std::lround(pen_width_ * ratio)));
  const QRgb rgb = colour.rgb();
  QPointF a = m(from.x(), from.y()) * ratio;
  for (int i = 0; i < chords; ++i) {
    const double x = along_x * turn_cos - along_y * turn_sin;
    along_y = along_y * turn_cos + along_x * turn_sin;
    along_x = x;
    const QPointF to = point();
    const QPointF b = m(to.x(), to.y()) * ratio;
    DrawPixelLine(pixels, a, b, thickness, rgb);
    a = b;
  }
  Touched();
}

void PlotSurface::Point(double x, double y, int colour) {
  pen_x_ = x;
  pen_y_ = y;
  const std::optional<Mapping> m = CurrentMapping();
  if (!m || width() <= 0 || height() <= 0)
    return;
  const QPointF at = (*m)(x, y);
  const double px = at.x();
  const double py = at.y();
  const double reach = pen_width_ + 2.0;
  if (!(px > -reach && px < width() + reach && py > -reach && py < height() + reach))
    return;
  const QPoint corner(static_cast<int>(std::floor(px)), static_cast<int>(std::floor(py)));
  const int half = pen_width_ <= 1 ? 0 : pen_width_ / 2;
  StampMark(Pixels(), Dot(), corner - QPoint(half, half),
            kPalette[static_cast<size_t>(colour & 15)]);
  Touched();
}

// A wide dot is a filled disc as wide as the pen, a narrow one a pixel.
// Painting it is a curve each time; it is drawn once per width and used as
// runs of pixels after that.
const std::vector<MarkRun>& PlotSurface::Dot() {
  auto found = dots_.find(pen_width_);
  if (found != dots_.end())
    return found->second;
  const int side = pen_width_ <= 1 ? 1 : pen_width_ + 1;
  QImage dot(side, side, QImage::Format_ARGB32_Premultiplied);
  dot.fill(pen_width_ <= 1 ? Qt::black : Qt::transparent);
  if (pen_width_ > 1) {
    QPainter p(&dot);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const double r = pen_width_ / 2.0;
    p.drawEllipse(QPointF(pen_width_ / 2 + 0.5, pen_width_ / 2 + 0.5), r, r);
    p.end();
  }
  return dots_.emplace(pen_width_, OpaqueRuns(dot)).first->second;
}

QImage PlotSurface::Picture() {
  EnsureBuffer();
  EndPainting();
  if (labels_.lines.empty() && labels_.corners.empty())
    return buffer_;
  QImage picture = buffer_;
  QPainter p(&picture);
  DrawLabels(p);
  return picture;
}

void PlotSurface::paintEvent(QPaintEvent* event) {
  update_pending_ = false;
  EnsureBuffer();
  EndPainting();
  QPainter screen(this);
  const qreal ratio = buffer_.devicePixelRatio();
  const QRectF source(QPointF(event->rect().topLeft()) * ratio,
                      QSizeF(event->rect().size()) * ratio);
  screen.drawImage(QRectF(event->rect()), buffer_, source);
  DrawLabels(screen);
}

void PlotSurface::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  EnsureBuffer();
}

void PlotSurface::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton)
    return QWidget::mousePressEvent(event);
  held_at_ = event->position();
  setCursor(Qt::ClosedHandCursor);
}

void PlotSurface::mouseMoveEvent(QMouseEvent* event) {
  if (!held_at_)
    return QWidget::mouseMoveEvent(event);
  const QPointF from = *held_at_;
  held_at_ = event->position();
  emit dragged(from, *held_at_);
}

void PlotSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !held_at_)
    return QWidget::mouseReleaseEvent(event);
  held_at_.reset();
  setCursor(Qt::OpenHandCursor);
}

// A notch of an ordinary wheel is 120 eighths of a degree; a touchpad or a
// free-spinning wheel sends parts of one.
void PlotSurface::wheelEvent(QWheelEvent* event) {
  constexpr double kNotch = 120;
  const double notches = event->angleDelta().y() / kNotch;
  if (notches == 0)
    return QWidget::wheelEvent(event);
  emit wheelTurned(event->position(), notches);
}

}  // namespace tw
