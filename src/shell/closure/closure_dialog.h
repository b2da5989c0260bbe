// Tools > Closure Analysis...: a modeless window over the entry list that
// shows how well the boundary closes, adjusts it by the chosen method, and
// offers to correct the entry the blunder finder names. It follows the list
// live: every command of the main window ends by telling it.
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>

#include "closure/closure_analysis.h"

class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTableView;
class QVBoxLayout;

namespace tw {

class ClosureTableModel;
class FileDialog;
class MainWindow;

// Up to this many lines the blunder search runs with every change; beyond,
// only when asked ("Find Blunders").
inline constexpr size_t kLiveBlunderLines = 100000;

class ClosureDialog : public QDialog {
  Q_OBJECT

 public:
  // Reads the remembered standard. The file dialog port must outlive it.
  ClosureDialog(MainWindow& window, FileDialog& files);
  ~ClosureDialog() override;

  // Analyses the list again when it, its unit or its start changed since it
  // was shown.
  void Follow();
  // Analyses the list again.
  void Refresh();

  // What is shown; null when the list could not be read.
  const ClosureAnalysis* Shown() const { return analysis_.get(); }

 private:
  void CreateChoosers(QVBoxLayout* layout);
  // Returns the width both tables take with every column showing.
  int CreateTables(QVBoxLayout* layout);
  void CreateButtons(QVBoxLayout* layout);
  ClosureOptions Options(bool find_blunders) const;
  Result<ClosureAnalysis> Analyse(bool find_blunders);
  void ShowAnalysis();
  void ShowFindings();
  QHBoxLayout* FindingRow(const BlunderFinding& b, size_t i);
  void ShowStandard();
  void ChooseStandard();
  void FindBlundersNow();
  void Correct(size_t finding, size_t line);
  void Copy();
  void SaveReport();
  void SaveAdjusted();
  void ExportAdjusted();
  const Adjustment* ShownAdjustment() const;

  MainWindow& window_;
  FileDialog& files_;
  int standard_;
  std::shared_ptr<const ClosureAnalysis> analysis_;
  std::string failure_;  // why the list could not be analysed
  unsigned long long shown_revision_ = 0;
  std::string shown_unit_;
  PlanePoint shown_start_;  // the adjusted corners start there
  bool analysed_ = false;
  bool blunders_asked_ = false;  // for the list as shown

  QLabel* figures_;
  QLabel* message_;
  QComboBox* standard_box_;
  QComboBox* method_box_;
  ClosureTableModel* lines_model_;
  ClosureTableModel* corners_model_;
  QGroupBox* findings_box_;
  QVBoxLayout* findings_layout_;
  QPushButton* find_blunders_;
  QPushButton* copy_;
  QPushButton* save_report_;
  QPushButton* save_adjusted_;
  QPushButton* export_adjusted_;
};

// Opens the dialog from the window's Tools menu, passes it the end of every
// command and closes it with the window. A child of the window.
class ClosureCommands : public QObject {
  Q_OBJECT

 public:
  ClosureCommands(MainWindow& window, FileDialog& files);

  // Null until first opened.
  ClosureDialog* Dialog() const { return dialog_; }
  void ShowDialog();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  MainWindow& window_;
  FileDialog& files_;
  QPointer<ClosureDialog> dialog_;
};

}  // namespace tw
