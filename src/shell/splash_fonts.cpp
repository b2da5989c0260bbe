#include "shell/splash_fonts.h"

#include <QStringList>

namespace tw {

namespace {

QFont FontWithFallbacks(const QStringList& families, qreal points, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

}  // namespace

QFont ArialFont(qreal points, bool bold) {
  // Liberation Sans and Arimo have Arial's metrics, so the designed label
  // widths still hold.
  return FontWithFallbacks({"Arial", "Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"},
                           points, bold);
}

QFont TahomaFont(qreal points, bool bold) {
  return FontWithFallbacks({"Tahoma", "DejaVu Sans Condensed", "DejaVu Sans", "Liberation Sans"},
                           points, bold);
}

QFont SansSerifFont(qreal points, bool bold) {
  return FontWithFallbacks(
      {"MS Sans Serif", "Microsoft Sans Serif", "Liberation Sans", "DejaVu Sans"}, points, bold);
}

}  // namespace tw
