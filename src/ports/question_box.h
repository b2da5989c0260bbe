// Modal questions that the user answers with a button.
#pragma once

#include <string>

namespace tw {

enum class SaveAnswer { Save, Discard, Cancel };
// Dismissed: closed with Esc or by the window manager, which answers nothing.
enum class YesNoAnswer { Yes, No, Dismissed };

class QuestionBox {
 public:
  virtual ~QuestionBox() = default;
  // Save, Discard and Cancel, with the question icon. Texts are Windows-1252.
  virtual SaveAnswer AskSave(const std::string& text, const std::string& title) = 0;
  // Yes and No, with the question icon.
  virtual YesNoAnswer AskYesNo(const std::string& text, const std::string& title) = 0;
};

}  // namespace tw
