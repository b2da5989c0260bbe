#include "shell/main_window.h"

#include <QPalette>
#include <QWidget>

namespace tw {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle("Tractwise");
  auto* drawing = new QWidget(this);
  drawing->setObjectName("pbDrawing");
  drawing->setAutoFillBackground(true);
  QPalette palette = drawing->palette();
  palette.setColor(QPalette::Window, Qt::white);
  drawing->setPalette(palette);
  setCentralWidget(drawing);
  resize(800, 500);
}

}  // namespace tw
