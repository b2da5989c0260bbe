// The question port shown as a modal Qt message box.
#pragma once

#include "ports/question_box.h"

class QWidget;

namespace tw {

class QtQuestionBox : public QuestionBox {
 public:
  explicit QtQuestionBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  SaveAnswer AskSave(const std::string& text, const std::string& title) override;
  YesNoAnswer AskYesNo(const std::string& text, const std::string& title) override;

 private:
  QWidget* parent_;
};

}  // namespace tw
