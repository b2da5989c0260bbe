// The program's working window frmMain: menus, picture buttons, the three
// entry strips, the plot, the line list and the log. Each handler reads its
// widgets, calls the core and shows what the core decided.
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "base/result.h"
#include "boundary/mode_controls.h"
#include "entry/entry_commands.h"
#include "program/program.h"
#include "settings/unit_system.h"
#include "shell/window/menu_place.h"
#include "shell/window/window_layout.h"

class QAbstractButton;
class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;

namespace tw {

class BearingList;
class CurveStrip;
class LogBox;
class MessageBox;
class NumericField;
class PlotSurface;

// Where the command sets attached to the window put their menu items.
struct MenuPlaces {
  MenuPlace recent_files;  // File, right after Import Points..
  MenuPlace map;           // File, right after Export to DXF..
  MenuPlace exports;       // File, right after Export to DXF..
  MenuPlace plat;          // File, right after Report
  MenuPlace view;          // the end of View
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // The window loads at once (stored settings, lists, empty plot) and is
  // shown by the caller. The message port must outlive the window. start is
  // the program-wide state as the start-up procedure left it.
  MainWindow(MessageBox& messages, std::string settings_file, const ProgramState& start = {},
             QWidget* parent = nullptr);
  ~MainWindow() override;

  // For the commands that other parts of the program attach to the window.
  Program& program() { return *program_; }
  MessageBox& messages() { return messages_; }
  const std::string& settingsFile() const { return settings_file_; }
  // The window alone orders its menus: an attachment fills its own place.
  const MenuPlaces& menuPlaces() const { return menu_places_; }
  PlotSurface& plot() { return *pbDrawing; }
  // The states of the mode options, mode and unit menu items and cmdUndo.
  EntryControls ReadControls() const;
  void ApplyControls(const EntryControls& controls);
  // Puts the option down and runs its click handler, as selecting an option
  // in code does.
  void SelectModeOption(ModeOption mode);
  // Shows what the core logged and selected; every handler ends with it.
  void FinishCommand();
  // Shows the message of a failed step, if any.
  void Report(const Status& status);
  // Asked before New, Clear and the other commands that empty or replace the
  // boundary; false stops the command. Without one, every command goes on.
  void SetDiscardCheck(std::function<bool()> check) { discard_check_ = std::move(check); }
  bool MayDiscardBoundary() { return !discard_check_ || discard_check_(); }
  // The project file the boundary was last really opened from or saved to
  // (UTF-8), empty while it comes from none: what a plat or a copied
  // analysis is headed with. The desktop session keeps it.
  const std::string& currentFile() const { return current_file_; }
  void SetCurrentFile(std::string path) { current_file_ = std::move(path); }

 signals:
  // The commands whose work lives elsewhere; the window only raises them.
  void openRequested();
  void saveRequested();
  void importPointsRequested();
  void exportPointsRequested();
  void exportDxfRequested();
  void reportRequested();
  void helpRequested();
  void aboutRequested();
  void closureAnalysisRequested();
  void readDescriptionRequested();
  void exportDescriptionRequested();
  // Every command has ended (FinishCommand): the boundary may have changed.
  void commandFinished();

 public slots:
  void cmdAddLine_Click();
  void cmdCarpAddLine_Click();
  void cmdPOINTAddLine_Click();
  void cmdUndo_Click();
  void cmdClear_Click();
  void cmdZoomIN_Click();
  void cmdZoomOut_Click();
  void cmdRedraw_Click();
  void optSurveyor_Click();
  void optCarpenter_Click();
  void optPoint_Click();
  void mnuSetMetric_Click();
  void mnuSetImperial_Click();
  void mnuFileClose_Click();
  void LstBearings_Validate();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  void CreateMenus();
  void CreateTopRow(QWidget* area, const MainLayout& l);
  void CreateWorkArea(QWidget* area);
  void CreateSurveyorStrip(QWidget* area);
  void CreateCarpenterStrip(QWidget* area);
  void CreatePointStrip(QWidget* area);
  void CreateCurveRows(QWidget* area);
  void ConnectCommands();
  QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption);
  NumericField* AddField(QWidget* strip, const char* name, QRect twips);
  QLabel* AddLabel(QWidget* strip, const char* name, const QString& caption, int left, int top);

  void Form_Load();
  void LoadSettings();
  void FirstRunMode();
  void Form_Resize();
  void PlaceResizingControls(const MainLayout& l);
  void FillScreenIfNotMaximised();
  void SetImperialUnits();
  void SetMetricUnits();
  void ShowCarpenterLabels(const CarpenterLabels& labels);
  // The curve rows and the line's row as the Curve box and the mode say,
  // the plot replotted when it gave up or took back their height.
  bool CurveRowsWanted() const;
  void ShowCurveRows();
  void AddCurve();
  void UpdateCurvePreview();

  struct ModeWidgets;
  ModeWidgets Widgets(ModeOption mode) const;
  void SwitchMode(ModeOption mode);
  void SetDefaultButton(QPushButton* button);
  void ShowOutcome(const CommandOutcome& outcome, QWidget* focus_on_success);
  void CheckFieldRange(NumericField* field);
  void ShowRangeMessage(const std::string& message);
  bool IsUserInputToThisWindow(QObject* watched, QEvent* event) const;

  MessageBox& messages_;
  std::string settings_file_;
  std::unique_ptr<Program> program_;
  bool restoring_focus_ = false;
  bool shown_before_ = false;
  std::function<bool()> discard_check_;
  std::string current_file_;
  // The angle box whose range message is about to be shown.
  QPointer<NumericField> range_box_;
  MenuPlaces menu_places_;

  // Menus.
  QAction *mnuFileNew, *mnuFileOpen, *mnuFileSave, *mnuFileImportPts, *mnuFileExPoints;
  QAction *mnuFileDxfExport, *mnuFileReport, *mnuFileClose;
  QAction *mnuZoomIN, *mnuZoomOut, *mnuRedraw;
  QAction *mnuSetMetric, *mnuSetImperial, *mnuSetSurveyor, *mnuSetCarpenter, *mnuSetPoint;
  QAction* mnuToolsClosure;
  QAction *mnuToolsDescription, *mnuFileExDescription;
  QAction *mnuHelpHelp, *mnuHelpAbout;

  // Top row.
  QPushButton *cmdNew, *cmdOpen, *cmdSave, *cmdExportDXF, *cmdExportPts, *cmdReport, *cmdHelp;
  QPushButton *optSurveyor, *optCarpenter, *optPoint;
  QPushButton *cmdZoomIN, *cmdZoomOut, *cmdRedraw;

  // Work area.
  PlotSurface* pbDrawing;
  QLabel* Image1;
  BearingList* LstBearings;
  QPushButton *cmdUndo, *cmdClear;
  LogBox* TxtReport;

  // Entry strips.
  QFrame *frameSurveyor, *frameCarpenter, *framePoint;
  QComboBox* cmbDirections;
  NumericField *TxtDegrees, *txtMinutes, *txtSeconds, *txtLength;
  QPushButton* cmdAddLine;
  QCheckBox* chkCurve;
  QList<QWidget*> line_row_;  // what the curve's preview stands in for
  QFrame* frameCurve;
  CurveStrip* curve_strip_;
  QComboBox* icmbCarpenter;
  NumericField *txtCarDistance, *txtCarInches;
  QLabel *lblCarpDistMajor, *lblCarpDistMinor;
  QPushButton* cmdCarpAddLine;
  NumericField *txtPtX, *txtPtY;
  QPushButton* cmdPOINTAddLine;

  QPushButton* default_button_ = nullptr;
};

}  // namespace tw
