#include "shell/qt_message_box.h"

#include <QMessageBox>

#include "shell/cp1252.h"

namespace tw {

void QtMessageBox::Show(const std::string& text, const std::string& title, MessageIcon icon) {
  QMessageBox box(icon == MessageIcon::Information ? QMessageBox::Information : QMessageBox::NoIcon,
                  FromCp1252(title), FromCp1252(text), QMessageBox::Ok, parent_);
  box.exec();
}

}  // namespace tw
