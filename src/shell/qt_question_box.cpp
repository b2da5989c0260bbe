#include "shell/qt_question_box.h"

#include "shell/cp1252.h"
#include "shell/qt_message_box.h"

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

bool QtQuestionBox::AskYesNo(const std::string& text, const std::string& title) {
  PlacedMessageBox box(QMessageBox::Question, FromCp1252(title), FromCp1252(text),
                       QMessageBox::Yes | QMessageBox::No, parent_);
  box.setDefaultButton(QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes;
}

}  // namespace tw
