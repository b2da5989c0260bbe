#include "shell/plat/plat_page_qt.h"

#include <QPagedPaintDevice>

#include "files/text_encoding.h"

namespace tw {
namespace {

constexpr double kMmPerInch = 25.4;
const char* const kPlatFont = "DejaVu Sans";

}  // namespace

QtPage::QtPage(QPainter& painter, QPagedPaintDevice& device)
    : painter_(painter), device_(device), dots_per_mm_(device.logicalDpiX() / kMmPerInch) {}

QPointF QtPage::Device(PagePoint p) const {
  return {p.x * dots_per_mm_, p.y * dots_per_mm_};
}

void QtPage::Stroke(PagePoint a, PagePoint b, double width_mm, Qt::PenStyle style) {
  QPen pen(Qt::black, width_mm * dots_per_mm_, style, Qt::FlatCap);
  painter_.setPen(pen);
  painter_.drawLine(Device(a), Device(b));
}

void QtPage::Line(PagePoint a, PagePoint b, double width_mm) {
  Stroke(a, b, width_mm, Qt::SolidLine);
}

void QtPage::DashedLine(PagePoint a, PagePoint b, double width_mm) {
  Stroke(a, b, width_mm, Qt::DashLine);
}

// Tables are thousands of texts of a few sizes: the font changes rarely.
void QtPage::UseFont(double size_pt) {
  if (size_pt == font_size_)
    return;
  QFont font(kPlatFont);
  font.setPointSizeF(size_pt);
  painter_.setFont(font);
  font_size_ = size_pt;
  advances_.fill(-1);
}

void QtPage::Text(PagePoint at, double size_pt, double angle_degrees, TextAlign align,
                  std::string_view text) {
  UseFont(size_pt);
  painter_.setPen(Qt::black);
  const QString s = QString::fromStdString(Cp1252ToUtf8(text));
  const double shift = align == TextAlign::Left     ? 0
                       : align == TextAlign::Centre ? Width(text) / 2
                                                    : Width(text);
  if (angle_degrees == 0) {
    painter_.drawText(Device(at) - QPointF(shift, 0), s);
    return;
  }
  painter_.save();
  painter_.translate(Device(at));
  painter_.rotate(-angle_degrees);
  painter_.drawText(QPointF(-shift, 0), s);
  painter_.restore();
}

// The sum of the characters' advances: a table's columns are aligned by
// thousands of widths, and measuring each text whole costs as much as
// drawing it. Digits, signs and letters of this face are not kerned.
double QtPage::Width(std::string_view text) {
  double width = 0;
  for (char c : text) {
    double& advance = advances_[static_cast<unsigned char>(c)];
    if (advance < 0) {
      const QChar q(Cp1252CodePoint(static_cast<unsigned char>(c)));
      advance = painter_.fontMetrics().horizontalAdvance(q);
    }
    width += advance;
  }
  return width;
}

double QtPage::TextWidth(double size_pt, std::string_view text) {
  UseFont(size_pt);
  return Width(text) / dots_per_mm_;
}

void QtPage::NewPage() {
  device_.newPage();
}

}  // namespace tw
