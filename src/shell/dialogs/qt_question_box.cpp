#include "shell/dialogs/qt_question_box.h"

#include <QPushButton>

#include "shell/dialogs/qt_message_box.h"
#include "shell/window/cp1252.h"

namespace tw {

SaveAnswer QtQuestionBox::AskSave(const std::string& text, const std::string& title) {
  PlacedMessageBox box(QMessageBox::Question, FromCp1252(title), FromCp1252(text),
                       QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
  box.setDefaultButton(QMessageBox::Save);
  box.setEscapeButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return SaveAnswer::Save;
    case QMessageBox::Discard:
      return SaveAnswer::Discard;
    default:
      return SaveAnswer::Cancel;
  }
}

YesNoAnswer QtQuestionBox::AskYesNo(const std::string& text, const std::string& title) {
  PlacedMessageBox box(QMessageBox::Question, FromCp1252(title), FromCp1252(text),
                       QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  // Esc and the window's close would otherwise press No, which may delete
  // work; a hidden button takes them instead.
  QPushButton* dismiss = box.addButton(QMessageBox::Cancel);
  dismiss->hide();
  box.setEscapeButton(dismiss);
  switch (box.exec()) {
    case QMessageBox::Yes:
      return YesNoAnswer::Yes;
    case QMessageBox::No:
      return YesNoAnswer::No;
    default:
      return YesNoAnswer::Dismissed;
  }
}

}  // namespace tw
