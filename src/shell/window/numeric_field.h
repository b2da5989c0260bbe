// The numeric entry boxes: select-all on focus (by Tab or by a click), only
// the characters of a signed decimal number, and a signal when the user
// moves on to another control.
#pragma once

#include <QLineEdit>

namespace tw {

// Every key that produces a character code goes through FilterNumericKey, so
// only digits, ".", "-", Backspace and Tab get through; control codes too are
// swallowed, which is why the clipboard and undo shortcuts (handled by a line
// edit before any character) are intercepted here. Keys without a character
// code (arrows, Home, End, Delete) keep working. Paste from the context menu
// and drag-and-drop pass a validator that lets no other character in. Enter
// is left to the window, which presses its default button.
class NumericField : public QLineEdit {
  Q_OBJECT

 public:
  explicit NumericField(QWidget* parent = nullptr);

 signals:
  // The focus went to another control of the window (Tab, Shift+Tab, a click
  // or the program), not to a menu, a message box or another window.
  void leftForControl(NumericField* field);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;

 private:
  // The focus came with a mouse press, whose caret placement undoes the
  // select-all of the focus-in; the release of that click selects again.
  bool select_after_click_ = false;
};

// True when every character of the text would pass the key filter.
bool IsNumericText(const QString& text);

}  // namespace tw
