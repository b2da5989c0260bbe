// Tools > Read Description...: a deed's text on the left, the calls read from
// it on the right, live as the text changes; every word not used shaded, the
// words of the selected call highlighted, and below the start point, the
// closure and the area beside the record's. Modeless, as the import is.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "description/description_reader.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace tw {

class FileDialog;
class QuestionBox;

class DescriptionDialog : public QDialog {
  Q_OBJECT

 public:
  // use puts the calls in place of the boundary and says whether it did.
  using UseHandler = std::function<bool(const DescriptionReading&)>;

  DescriptionDialog(UseHandler use, FileDialog& files, QuestionBox& questions,
                    QWidget* parent = nullptr);

  // The unit of the list the calls are read for: "LF" or "m.".
  void SetUnit(const std::string& unit);
  const DescriptionReading& Reading() const { return reading_; }

 public slots:
  void Reread();
  void LoadFile();
  void UseCalls();

 private:
  void ShowCalls();
  void ShowFigures();
  void Highlight();

  UseHandler use_;
  FileDialog& files_;
  QuestionBox& questions_;
  std::string unit_ = "LF";
  std::string text_;  // the text as read, Windows-1252
  DescriptionReading reading_;

  QPlainTextEdit* txtDescription;
  QLineEdit* txtRotation;
  QLabel* lblRotation;
  QTableWidget* grdCalls;
  QTableWidget* grdTies;
  QLabel* lblFigures;
  QPushButton* cmdLoad;
  QPushButton* cmdUse;
  QPushButton* cmdClose;
};

}  // namespace tw
