#include "shell/dialogs/qt_message_box.h"

#include <QScreen>
#include <QShowEvent>
#include <QWindow>

#include "shell/window/cp1252.h"

namespace tw {

void PlacedMessageBox::showEvent(QShowEvent* event) {
  // Sizes the box and centres it on the parent as Qt does.
  QMessageBox::showEvent(event);
  const QWidget* parent = parentWidget() ? parentWidget()->window() : nullptr;
  if (event->spontaneous() || !parent)
    return;
  const QWindow* shown = parent->windowHandle();
  if (shown && shown->isExposed())
    return;
  const QRect screen = parent->screen()->availableGeometry();
  move(screen.center() - rect().center());
}

void QtMessageBox::Show(const std::string& text, const std::string& title, MessageIcon icon) {
  PlacedMessageBox box(
      icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
      FromCp1252(title), FromCp1252(text), QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace tw
