// The system's print dialog, as a port the plat's Print... goes through.
#pragma once

class QPrinter;
class QWidget;

namespace tw {

class PrintDialog {
 public:
  virtual ~PrintDialog() = default;
  // Lets the user set up the printer; false when cancelled.
  virtual bool Choose(QPrinter& printer) = 0;
};

class QtPrintDialog : public PrintDialog {
 public:
  void SetParent(QWidget* parent) { parent_ = parent; }
  bool Choose(QPrinter& printer) override;

 private:
  QWidget* parent_ = nullptr;
};

}  // namespace tw
