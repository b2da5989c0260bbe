#include "shell/window/form_fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>

namespace tw {

namespace {

constexpr const char* kWineFontFolder = "/usr/share/wine/fonts/";
// Condensed, so that a text still fits the width designed for the others.
constexpr const char* kNarrowFallback = "DejaVu Sans Condensed";

QFont FontWithFallbacks(const QStringList& families, qreal points, bool bold) {
  QFont font;
  font.setFamilies(families);
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(points);
  font.setBold(bold);
  return font;
}

void LoadFaces(const QString& family, const QStringList& files) {
  if (QFontDatabase::hasFamily(family))
    return;
  for (const QString& file : files) {
    const QString path = kWineFontFolder + file;
    if (QFile::exists(path))
      QFontDatabase::addApplicationFont(path);
  }
}

}  // namespace

void LoadFormFonts() {
  LoadFaces("MS Sans Serif", {"ms_sans_serif.ttf"});
  // The bold face is for the line list.
  LoadFaces("Tahoma", {"tahoma.ttf", "tahomabd.ttf"});
}

QFont ArialFont(qreal points, bool bold) {
  // Liberation Sans and Arimo have Arial's metrics, so the designed label
  // widths still hold.
  return FontWithFallbacks({"Arial", "Liberation Sans", "Arimo", "Helvetica", "DejaVu Sans"},
                           points, bold);
}

QFont TahomaFont(qreal points, bool bold) {
  return FontWithFallbacks({"Tahoma", kNarrowFallback, "DejaVu Sans"}, points, bold);
}

QFont SansSerifFont(qreal points, bool bold) {
  return FontWithFallbacks({"MS Sans Serif", kNarrowFallback, "DejaVu Sans"}, points, bold);
}

}  // namespace tw
