// Tools > Read Description... and File > Export Description...: the window's
// side of reading a deed into the boundary and writing one from it.
#pragma once

#include <QObject>
#include <QPointer>

namespace tw {

class DescriptionDialog;
class FileDialog;
class MainWindow;
class QuestionBox;
struct DescriptionReading;

class DescriptionCommands : public QObject {
  Q_OBJECT

 public:
  // Attaches to the window's two requests; a child of the window.
  DescriptionCommands(MainWindow& window, FileDialog& files, QuestionBox& questions);

  DescriptionDialog* Dialog() const;

 public slots:
  void ShowDialog();
  void ExportDescription();

 private:
  bool UseCalls(const DescriptionReading& reading);

  MainWindow& window_;
  FileDialog& files_;
  QuestionBox& questions_;
  QPointer<DescriptionDialog> dialog_;
};

}  // namespace tw
