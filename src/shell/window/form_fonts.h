// The fonts the forms were designed with. Their widths are what the designed
// label and box positions assume; each falls back to a look-alike that Linux
// desktops ship when it is missing.
#pragma once

#include <QFont>

namespace tw {

// Debian's fonts-wine has faces with the metrics of MS Sans Serif and Tahoma
// but installs them where fontconfig does not look: registers them with the
// application when they are there and not known yet.
void LoadFormFonts();

QFont ArialFont(qreal points, bool bold);
QFont TahomaFont(qreal points, bool bold);
QFont SansSerifFont(qreal points, bool bold);

}  // namespace tw
