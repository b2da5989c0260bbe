#include "shell/window/numeric_field.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QValidator>

#include "entry/input_fields.h"
#include "shell/window/focus_rules.h"

namespace tw {
namespace {

class NumericCharacters : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& /*pos*/) const override {
    return IsNumericText(input) ? Acceptable : Invalid;
  }
};

bool IsClipboardOrUndoShortcut(const QKeyEvent* event) {
  for (QKeySequence::StandardKey key :
       {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll,
        QKeySequence::Undo, QKeySequence::Redo}) {
    if (event->matches(key))
      return true;
  }
  return false;
}

// Keys that move the caret or delete without producing a character code.
bool IsEditingKey(int key) {
  switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Delete:
    case Qt::Key_Backspace:
      return true;
    default:
      return false;
  }
}

}  // namespace

bool IsNumericText(const QString& text) {
  // Backspace and Tab are keys, not characters a text may hold.
  for (QChar c : text) {
    if (c.unicode() < 32 || !FilterNumericKey(c.unicode()))
      return false;
  }
  return true;
}

NumericField::NumericField(QWidget* parent) : QLineEdit(parent) {
  setValidator(new NumericCharacters(this));
}

void NumericField::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    event->ignore();
    return;
  }
  if (IsClipboardOrUndoShortcut(event)) {
    event->accept();
    return;
  }
  if (IsEditingKey(key)) {
    QLineEdit::keyPressEvent(event);
    return;
  }
  const QString text = event->text();
  const bool control = event->modifiers() & (Qt::ControlModifier | Qt::MetaModifier);
  if (control || (!text.isEmpty() && !IsNumericText(text))) {
    // A control code or another character: swallowed like a key code set to 0.
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void NumericField::inputMethodEvent(QInputMethodEvent* event) {
  if (!IsNumericText(event->commitString())) {
    QInputMethodEvent nothing(event->preeditString(), event->attributes());
    QLineEdit::inputMethodEvent(&nothing);
    return;
  }
  QLineEdit::inputMethodEvent(event);
}

void NumericField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  setSelection(0, static_cast<int>(text().size()));
  select_after_click_ = event->reason() == Qt::MouseFocusReason;
}

void NumericField::mouseReleaseEvent(QMouseEvent* event) {
  QLineEdit::mouseReleaseEvent(event);
  // A drag across the text has made the selection the user wants.
  if (select_after_click_ && !hasSelectedText())
    selectAll();
  select_after_click_ = false;
}

void NumericField::focusOutEvent(QFocusEvent* event) {
  select_after_click_ = false;
  QLineEdit::focusOutEvent(event);
  if (FocusMovesWithinWindow(this, event->reason()))
    emit leftForControl(this);
}

}  // namespace tw
