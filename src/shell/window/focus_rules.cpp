#include "shell/window/focus_rules.h"

#include <QApplication>
#include <QWidget>

namespace tw {

bool FocusMovesWithinWindow(const QWidget* losing, Qt::FocusReason reason) {
  switch (reason) {
    case Qt::TabFocusReason:
    case Qt::BacktabFocusReason:
    case Qt::MouseFocusReason:
    case Qt::ShortcutFocusReason:
    case Qt::OtherFocusReason:
      break;
    default:
      return false;
  }
  const QWidget* now = QApplication::focusWidget();
  return now != nullptr && now != losing && now->window() == losing->window();
}

}  // namespace tw
