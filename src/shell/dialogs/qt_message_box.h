// The message port shown as a modal Qt message box.
#pragma once

#include <QMessageBox>

#include "ports/message_box.h"

namespace tw {

// A message box centred on its parent's window once the window system has
// placed that window, and on the screen before: a window just shown still
// stands at the top left, where the boxes of the start would otherwise go.
class PlacedMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override;
};

// OK only; no icon or the information icon; the parent window stays modal
// until it is closed.
class QtMessageBox : public MessageBox {
 public:
  explicit QtMessageBox(QWidget* parent = nullptr) : parent_(parent) {}
  void SetParent(QWidget* parent) { parent_ = parent; }
  void Show(const std::string& text, const std::string& title, MessageIcon icon) override;

 private:
  QWidget* parent_;
};

}  // namespace tw
