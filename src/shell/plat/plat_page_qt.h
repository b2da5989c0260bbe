// The plat's page calls drawn by a QPainter onto a printer: vector lines and
// text in DejaVu Sans, never an image.
#pragma once

#include <QPainter>
#include <array>
#include <string>

#include "base/result.h"
#include "boundary/entry_list.h"
#include "boundary/program_state.h"
#include "plat/plat_layout.h"
#include "ports/page.h"

class QPagedPaintDevice;

namespace tw {

class QtPage : public Page {
 public:
  // Draws on `device` through `painter`, already begun on it, with the page's
  // upper-left corner at the painter's origin.
  QtPage(QPainter& painter, QPagedPaintDevice& device);

  void Line(PagePoint a, PagePoint b, double width_mm) override;
  void DashedLine(PagePoint a, PagePoint b, double width_mm) override;
  void Text(PagePoint at, double size_pt, double angle_degrees, TextAlign align,
            std::string_view text) override;
  double TextWidth(double size_pt, std::string_view text) override;
  void NewPage() override;

 private:
  QPointF Device(PagePoint p) const;
  void Stroke(PagePoint a, PagePoint b, double width_mm, Qt::PenStyle style);

  QPainter& painter_;
  QPagedPaintDevice& device_;
  double dots_per_mm_;
  void UseFont(double size_pt);
  double Width(std::string_view text);  // device units, in the current font

  double font_size_ = 0;                // of the painter's font; 0 before the first text
  std::array<double, 256> advances_{};  // of each byte in that font; -1 unknown
};

}  // namespace tw
