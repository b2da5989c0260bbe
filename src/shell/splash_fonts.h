// The fonts the splash and the About box were designed with, each falling
// back to look-alikes that Linux desktops ship when it is missing.
#pragma once

#include <QFont>

namespace tw {

QFont ArialFont(qreal points, bool bold);
QFont TahomaFont(qreal points, bool bold);
QFont SansSerifFont(qreal points, bool bold);

}  // namespace tw
