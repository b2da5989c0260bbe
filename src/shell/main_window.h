// The program's working window.
#pragma once

#include <QMainWindow>

class QWidget;

namespace tw {

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace tw
