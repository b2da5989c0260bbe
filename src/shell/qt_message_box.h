// The message port shown as a modal Qt message box.
#pragma once

#include "boundary/ports/message_box.h"

class QWidget;

namespace tw {

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
