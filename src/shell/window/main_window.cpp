#include "shell/window/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "geometry/bearing.h"
#include "program/plot.h"
#include "shell/plot/plot_surface.h"
#include "shell/window/bearing_list.h"
#include "shell/window/cp1252.h"
#include "shell/window/curve_strip.h"
#include "shell/window/form_fonts.h"
#include "shell/window/log_box.h"
#include "shell/window/numeric_field.h"
#include "shell/window/pictures.h"
#include "shell/window/window_layout.h"

namespace tw {
namespace {

QPushButton* PictureButton(QWidget* parent, const char* name, const QString& tooltip,
                           ButtonPicture picture, QRect r) {
  auto* button = new QPushButton(parent);
  button->setObjectName(name);
  button->setAutoDefault(true);
  button->setToolTip(tooltip);
  button->setIcon(ButtonIcon(picture));
  button->setGeometry(r);
  const QSize picture_size = ButtonIcon(picture).availableSizes().value(0);
  button->setIconSize(picture_size.boundedTo(r.size() - QSize(6, 6)));
  return button;
}

QPushButton* ModeOptionButton(QWidget* parent, const char* name, const QString& tooltip,
                              ModePicture picture, int left) {
  auto* option = new QPushButton(parent);
  option->setObjectName(name);
  option->setToolTip(tooltip);
  option->setIcon(ModeIcon(picture));
  option->setIconSize(QSize(80, 25));
  option->setCheckable(true);
  option->setAutoExclusive(true);
  option->setGeometry(TwipsRect(left, 0, 1275, 495));
  return option;
}

// The strips and their add buttons are placed by the layout.
QPushButton* AddButton(QWidget* strip, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, strip);
  button->setObjectName(name);
  button->setAutoDefault(true);
  return button;
}

QFrame* Strip(QWidget* area, const char* name) {
  auto* strip = new QFrame(area);
  strip->setObjectName(name);
  strip->setFrameShape(QFrame::NoFrame);
  return strip;
}

}  // namespace

MainWindow::MainWindow(MessageBox& messages, std::string settings_file, const ProgramState& start,
                       QWidget* parent)
    : QMainWindow(parent), messages_(messages), settings_file_(std::move(settings_file)) {
  setObjectName("frmMain");
  setWindowIcon(WindowIcon());
  auto* area = new QWidget(this);
  area->setObjectName("frmMainClient");
  area->setMinimumSize(MinimumClientSize());
  // Labels, boxes, buttons and combo boxes; the list and the log set their own.
  area->setFont(SansSerifFont(8.25, false));
  setCentralWidget(area);
  CreateMenus();
  const MainLayout smallest = LayOutMainWindow(MinimumClientSize());
  CreateTopRow(area, smallest);
  CreateWorkArea(area);
  CreateSurveyorStrip(area);
  CreateCarpenterStrip(area);
  CreatePointStrip(area);
  CreateCurveRows(area);
  PlaceResizingControls(smallest);
  program_ = std::make_unique<Program>(*TxtReport, *pbDrawing);
  program_->state = start;
  program_->entries.SetView(LstBearings);
  ConnectCommands();
  area->installEventFilter(this);
  Form_Load();
}

MainWindow::~MainWindow() {
  program_->entries.SetView(nullptr);
}

QAction* MainWindow::AddMenuItem(QMenu* menu, const char* name, const QString& caption) {
  QAction* item = menu->addAction(caption);
  item->setObjectName(name);
  return item;
}

void MainWindow::CreateMenus() {
  QMenu* file = menuBar()->addMenu("File");
  file->setObjectName("MnuPopList");
  mnuFileNew = AddMenuItem(file, "mnuFileNew", "New");
  mnuFileOpen = AddMenuItem(file, "mnuFileOpen", "Open..");
  mnuFileSave = AddMenuItem(file, "mnuFileSave", "Save as..");
  file->addSeparator()->setObjectName("mnuFileSeparator1");
  mnuFileImportPts = AddMenuItem(file, "mnuFileImportPts", "Import Points..");
  QAction* after_import = file->addSeparator();
  after_import->setObjectName("mnuFileSeparator4");
  mnuFileExPoints = AddMenuItem(file, "mnuFileExPoints", "Export Points..");
  mnuFileDxfExport = AddMenuItem(file, "mnuFileDxfExport", "Export to DXF..");
  mnuFileExDescription = AddMenuItem(file, "mnuFileExDescription", "Export Description...");
  QAction* after_exports = file->addSeparator();
  after_exports->setObjectName("mnuFileSeparator2");
  mnuFileReport = AddMenuItem(file, "mnuFileReport", "Report");
  QAction* after_report = file->addSeparator();
  after_report->setObjectName("mnuFileSeparator3");
  mnuFileClose = AddMenuItem(file, "mnuFileClose", "Close");
  menu_places_.recent_files = {file, after_import};
  menu_places_.map = {file, after_exports};
  menu_places_.exports = {file, after_exports};
  menu_places_.plat = {file, after_report};

  QMenu* view = menuBar()->addMenu("View");
  view->setObjectName("mnuView");
  mnuZoomIN = AddMenuItem(view, "mnuZoomIN", "Zoom In");
  mnuZoomOut = AddMenuItem(view, "mnuZoomOut", "Zoom Out");
  mnuRedraw = AddMenuItem(view, "mnuRedraw", "Re-Draw");
  menu_places_.view = {view, nullptr};

  QMenu* settings = menuBar()->addMenu("Settings");
  settings->setObjectName("mnuSettings");
  mnuSetMetric = AddMenuItem(settings, "mnuSetMetric", "SI Metric System");
  mnuSetImperial = AddMenuItem(settings, "mnuSetImperial", "US Imperial System");
  settings->addSeparator()->setObjectName("mnuSetSeparator1");
  mnuSetSurveyor = AddMenuItem(settings, "mnuSetSurveyor", "Surveyor Mode");
  mnuSetCarpenter = AddMenuItem(settings, "mnuSetCarpenter", "Carpenter Mode");
  mnuSetPoint = AddMenuItem(settings, "mnuSetPoint", "Point Mode");
  for (QAction* item : {mnuSetMetric, mnuSetImperial, mnuSetSurveyor, mnuSetCarpenter, mnuSetPoint})
    item->setCheckable(true);

  QMenu* tools = menuBar()->addMenu("Tools");
  tools->setObjectName("mnuTools");
  mnuToolsClosure = AddMenuItem(tools, "mnuToolsClosure", "Closure Analysis...");
  mnuToolsClosure->setShortcut(QKeySequence("Ctrl+K"));
  mnuToolsDescription = AddMenuItem(tools, "mnuToolsDescription", "Read Description...");
  mnuToolsDescription->setShortcut(QKeySequence("Ctrl+D"));

  QMenu* help = menuBar()->addMenu("Help");
  help->setObjectName("mnuHelp");
  mnuHelpHelp = AddMenuItem(help, "mnuHelpHelp", "Help");
  help->addSeparator()->setObjectName("mnuHelpSeparator1");
  mnuHelpAbout = AddMenuItem(help, "mnuHelpAbout", "About");
}

void MainWindow::CreateTopRow(QWidget* area, const MainLayout& l) {
  cmdNew = PictureButton(area, "cmdNew", "New", ButtonPicture::New, TwipsRect(0, 0, 495, 495));
  cmdOpen =
      PictureButton(area, "cmdOpen", "Open..", ButtonPicture::Open, TwipsRect(480, 0, 495, 495));
  cmdSave =
      PictureButton(area, "cmdSave", "Save as..", ButtonPicture::Save, TwipsRect(960, 0, 495, 495));
  cmdExportDXF = PictureButton(area, "cmdExportDXF", "DXF Export", ButtonPicture::DxfExport,
                               TwipsRect(1560, 0, 495, 495));
  cmdExportPts = PictureButton(area, "cmdExportPts", "Point Export", ButtonPicture::PointExport,
                               TwipsRect(2040, 0, 495, 495));
  cmdReport = PictureButton(area, "cmdReport", "Boundary Report", ButtonPicture::Report,
                            TwipsRect(2520, 0, 495, 495));
  optSurveyor =
      ModeOptionButton(area, "optSurveyor", "Switch to Survey Mode", ModePicture::Surveyor, 3120);
  optCarpenter = ModeOptionButton(area, "optCarpenter", "Switch to Carpenter Mode",
                                  ModePicture::Carpenter, 4380);
  optPoint = ModeOptionButton(area, "optPoint", QString(), ModePicture::Point, 5640);
  cmdHelp =
      PictureButton(area, "cmdHelp", QString(), ButtonPicture::Help, TwipsRect(7020, 0, 495, 495));
  // The zoom buttons follow the window's width; their icons fit the size.
  cmdZoomIN = PictureButton(area, "cmdZoomIN", "Zoom In", ButtonPicture::ZoomIn, l.cmdZoomIN);
  cmdZoomOut = PictureButton(area, "cmdZoomOut", "Zoom Out", ButtonPicture::ZoomOut, l.cmdZoomOut);
  cmdRedraw = PictureButton(area, "cmdRedraw", "Re-Draw", ButtonPicture::Redraw, l.cmdRedraw);
}

void MainWindow::CreateWorkArea(QWidget* area) {
  pbDrawing = new PlotSurface(area);
  pbDrawing->setObjectName("pbDrawing");

  Image1 = new QLabel(area);
  Image1->setObjectName("Image1");
  Image1->setPixmap(PlotPicture());
  Image1->setScaledContents(true);

  LstBearings = new BearingList(area);
  LstBearings->setObjectName("LstBearings");
  LstBearings->setFont(TahomaFont(9, true));

  cmdUndo = new QPushButton("Undo", area);
  cmdUndo->setObjectName("cmdUndo");
  cmdUndo->setAutoDefault(true);
  cmdUndo->setToolTip("Undo last item");
  cmdClear = new QPushButton("Clear", area);
  cmdClear->setObjectName("cmdClear");
  cmdClear->setAutoDefault(true);
  cmdClear->setToolTip("Clear all");

  TxtReport = new LogBox(area);
  TxtReport->setObjectName("TxtReport");
  TxtReport->setToolTip("Status bar");
  TxtReport->setFont(TahomaFont(9.75, false));
  QPalette grey = TxtReport->palette();
  grey.setColor(QPalette::Base, QColor(224, 224, 224));
  TxtReport->setPalette(grey);
}

NumericField* MainWindow::AddField(QWidget* strip, const char* name, QRect twips) {
  auto* field = new NumericField(strip);
  field->setObjectName(name);
  field->setGeometry(TwipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
  return field;
}

QLabel* MainWindow::AddLabel(QWidget* strip, const char* name, const QString& caption, int left,
                             int top) {
  auto* label = new QLabel(caption, strip);
  label->setObjectName(name);
  label->move(Pixels(left), Pixels(top));
  label->adjustSize();
  return label;
}

void MainWindow::CreateSurveyorStrip(QWidget* area) {
  frameSurveyor = Strip(area, "frameSurveyor");
  cmbDirections = new QComboBox(frameSurveyor);
  cmbDirections->setObjectName("cmbDirections");
  cmbDirections->setGeometry(TwipsRect(0, 60, 1095, 315));
  TxtDegrees = AddField(frameSurveyor, "TxtDegrees", {1190, 60, 495, 285});
  AddLabel(frameSurveyor, "lblDegrees", "Degrees", 1680, 120);
  txtMinutes = AddField(frameSurveyor, "txtMinutes", {2510, 60, 495, 285});
  AddLabel(frameSurveyor, "lblMinutes", "Minutes", 3000, 120);
  txtSeconds = AddField(frameSurveyor, "txtSeconds", {3710, 60, 495, 285});
  AddLabel(frameSurveyor, "lblSeconds", "Seconds", 4200, 120);
  txtLength = AddField(frameSurveyor, "txtLength", {4910, 60, 855, 285});
  QLabel* distance = AddLabel(frameSurveyor, "lblLength", "Distance", 5760, 120);
  for (NumericField* field : {TxtDegrees, txtMinutes, txtSeconds, txtLength})
    field->setText("Text1");
  line_row_ = frameSurveyor->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  chkCurve = new QCheckBox("Curve", frameSurveyor);
  chkCurve->setObjectName("chkCurve");
  chkCurve->setToolTip("Enter a curve instead of a line");
  chkCurve->setGeometry(distance->geometry().right() + Pixels(120), Pixels(60), Pixels(900),
                        Pixels(285));
  cmdAddLine = AddButton(frameSurveyor, "cmdAddLine", "Add Line");
  cmdAddLine->setToolTip("Add new line");
  SetDefaultButton(cmdAddLine);
}

void MainWindow::CreateCarpenterStrip(QWidget* area) {
  frameCarpenter = Strip(area, "frameCarpenter");
  icmbCarpenter = new QComboBox(frameCarpenter);
  icmbCarpenter->setObjectName("icmbCarpenter");
  icmbCarpenter->setGeometry(TwipsRect(0, 60, 1695, 330));
  AddLabel(frameCarpenter, "Label1", "Angle", 1740, 120);
  txtCarDistance = AddField(frameCarpenter, "txtCarDistance", {2880, 60, 735, 315});
  lblCarpDistMajor = AddLabel(frameCarpenter, "lblCarpDistMajor", "Feet", 3660, 120);
  txtCarInches = AddField(frameCarpenter, "txtCarInches", {4200, 60, 555, 315});
  lblCarpDistMinor = AddLabel(frameCarpenter, "lblCarpDistMinor", "Inches", 4800, 120);
  cmdCarpAddLine = AddButton(frameCarpenter, "cmdCarpAddLine", "Add Line");
}

void MainWindow::CreatePointStrip(QWidget* area) {
  framePoint = Strip(area, "framePoint");
  txtPtX = AddField(framePoint, "txtPtX", {60, 60, 855, 285});
  AddLabel(framePoint, "Label2", "X (Easting)", 960, 120);
  txtPtY = AddField(framePoint, "txtPtY", {1920, 60, 855, 285});
  AddLabel(framePoint, "Label3", "Y (Northing)", 2820, 120);
  cmdPOINTAddLine = AddButton(framePoint, "cmdPOINTAddLine", "Add Point");
}

// Above the Surveyor strip, where the plot makes room while they are shown.
void MainWindow::CreateCurveRows(QWidget* area) {
  frameCurve = Strip(area, "frameCurve");
  frameCurve->setVisible(false);
  curve_strip_ = new CurveStrip(frameCurve, frameSurveyor);
  QWidget* before = chkCurve;
  for (QWidget* next : curve_strip_->TabOrder()) {
    setTabOrder(before, next);
    before = next;
  }
  setTabOrder(before, cmdAddLine);
}

void MainWindow::ConnectCommands() {
  auto on = [this](auto* sender, auto signal, auto handler) {
    connect(sender, signal, this, handler);
  };
  on(cmdNew, &QPushButton::clicked, &MainWindow::cmdClear_Click);
  on(mnuFileNew, &QAction::triggered, &MainWindow::cmdClear_Click);
  on(cmdOpen, &QPushButton::clicked, &MainWindow::openRequested);
  on(mnuFileOpen, &QAction::triggered, &MainWindow::openRequested);
  on(cmdSave, &QPushButton::clicked, &MainWindow::saveRequested);
  on(mnuFileSave, &QAction::triggered, &MainWindow::saveRequested);
  on(mnuFileImportPts, &QAction::triggered, &MainWindow::importPointsRequested);
  on(cmdExportPts, &QPushButton::clicked, &MainWindow::exportPointsRequested);
  on(mnuFileExPoints, &QAction::triggered, &MainWindow::exportPointsRequested);
  on(cmdExportDXF, &QPushButton::clicked, &MainWindow::exportDxfRequested);
  on(mnuFileDxfExport, &QAction::triggered, &MainWindow::exportDxfRequested);
  on(cmdReport, &QPushButton::clicked, &MainWindow::reportRequested);
  on(mnuFileReport, &QAction::triggered, &MainWindow::reportRequested);
  on(mnuFileClose, &QAction::triggered, &MainWindow::mnuFileClose_Click);
  on(cmdZoomIN, &QPushButton::clicked, &MainWindow::cmdZoomIN_Click);
  on(mnuZoomIN, &QAction::triggered, &MainWindow::cmdZoomIN_Click);
  on(cmdZoomOut, &QPushButton::clicked, &MainWindow::cmdZoomOut_Click);
  on(mnuZoomOut, &QAction::triggered, &MainWindow::cmdZoomOut_Click);
  on(cmdRedraw, &QPushButton::clicked, &MainWindow::cmdRedraw_Click);
  on(mnuRedraw, &QAction::triggered, &MainWindow::cmdRedraw_Click);
  on(mnuSetMetric, &QAction::triggered, &MainWindow::mnuSetMetric_Click);
  on(mnuSetImperial, &QAction::triggered, &MainWindow::mnuSetImperial_Click);
  on(optSurveyor, &QPushButton::clicked, &MainWindow::optSurveyor_Click);
  on(optCarpenter, &QPushButton::clicked, &MainWindow::optCarpenter_Click);
  on(optPoint, &QPushButton::clicked, &MainWindow::optPoint_Click);
  connect(mnuSetSurveyor, &QAction::triggered, this,
          [this] { SelectModeOption(ModeOption::Surveyor); });
  connect(mnuSetCarpenter, &QAction::triggered, this,
          [this] { SelectModeOption(ModeOption::Carpenter); });
  connect(mnuSetPoint, &QAction::triggered, this, [this] { SelectModeOption(ModeOption::Point); });
  on(cmdHelp, &QPushButton::clicked, &MainWindow::helpRequested);
  on(mnuHelpHelp, &QAction::triggered, &MainWindow::helpRequested);
  on(mnuHelpAbout, &QAction::triggered, &MainWindow::aboutRequested);
  on(mnuToolsClosure, &QAction::triggered, &MainWindow::closureAnalysisRequested);
  on(mnuToolsDescription, &QAction::triggered, &MainWindow::readDescriptionRequested);
  on(mnuFileExDescription, &QAction::triggered, &MainWindow::exportDescriptionRequested);
  on(cmdAddLine, &QPushButton::clicked, &MainWindow::cmdAddLine_Click);
  on(cmdCarpAddLine, &QPushButton::clicked, &MainWindow::cmdCarpAddLine_Click);
  on(cmdPOINTAddLine, &QPushButton::clicked, &MainWindow::cmdPOINTAddLine_Click);
  on(cmdUndo, &QPushButton::clicked, &MainWindow::cmdUndo_Click);
  on(cmdClear, &QPushButton::clicked, &MainWindow::cmdClear_Click);
  on(LstBearings, &BearingList::validate, &MainWindow::LstBearings_Validate);
  for (NumericField* field : {TxtDegrees, txtMinutes, txtSeconds})
    connect(field, &NumericField::leftForControl, this, &MainWindow::CheckFieldRange);
  for (NumericField* field : curve_strip_->AngleBoxes())
    connect(field, &NumericField::leftForControl, this, &MainWindow::CheckFieldRange);
  on(chkCurve, &QCheckBox::toggled, &MainWindow::ShowCurveRows);
  on(curve_strip_, &CurveStrip::edited, &MainWindow::UpdateCurvePreview);
  on(this, &MainWindow::commandFinished, &MainWindow::UpdateCurvePreview);
}

void MainWindow::Form_Load() {
  LoadSettings();
  for (std::string_view quadrant : kQuadrants)
    cmbDirections->addItem(FromCp1252(quadrant));
  cmbDirections->setCurrentIndex(0);
  for (NumericField* field : {TxtDegrees, txtMinutes, txtSeconds, txtLength})
    field->setText(QString());
  for (const ArrowImage& arrow : ArrowImages())
    icmbCarpenter->addItem(arrow.image, arrow.key);
  icmbCarpenter->setCurrentIndex(0);
  ResetDrawing(*program_);
  cmdUndo->setEnabled(false);
  FinishCommand();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == centralWidget() && event->type() == QEvent::Resize)
    Form_Resize();
  if (range_box_ && IsUserInputToThisWindow(watched, event))
    return true;
  return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::IsUserInputToThisWindow(QObject* watched, QEvent* event) const {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
      break;
    default:
      return false;
  }
  const QWidget* widget = qobject_cast<const QWidget*>(watched);
  return widget != nullptr && widget->window() == this;
}

void MainWindow::Form_Resize() {
  if (isMinimized())
    return;
  PlaceResizingControls(LayOutMainWindow(centralWidget()->size(), CurveRowsWanted()));
  Report(RedrawBoundary(*program_));
  FinishCommand();
}

void MainWindow::PlaceResizingControls(const MainLayout& l) {
  pbDrawing->setGeometry(l.pbDrawing);
  Image1->setGeometry(l.Image1);
  LstBearings->setGeometry(l.LstBearings);
  cmdUndo->setGeometry(l.cmdUndo);
  cmdClear->setGeometry(l.cmdClear);
  TxtReport->setGeometry(l.TxtReport);
  cmdAddLine->setGeometry(l.cmdAddLine);
  cmdRedraw->setGeometry(l.cmdRedraw);
  cmdZoomOut->setGeometry(l.cmdZoomOut);
  cmdZoomIN->setGeometry(l.cmdZoomIN);
  frameCarpenter->setGeometry(l.frameCarpenter);
  cmdCarpAddLine->setGeometry(l.cmdCarpAddLine);
  frameSurveyor->setGeometry(l.frameSurveyor);
  framePoint->setGeometry(l.framePoint);
  cmdPOINTAddLine->setGeometry(l.cmdPOINTAddLine);
  frameCurve->setGeometry(l.frameCurve);
  curve_strip_->PlacePreview(chkCurve->x() - Pixels(60));
}

void MainWindow::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_before_)
    return;
  shown_before_ = true;
  // Once the window system has had its say about the maximised state.
  QTimer::singleShot(0, this, &MainWindow::FillScreenIfNotMaximised);
}

void MainWindow::FillScreenIfNotMaximised() {
  // Without a window manager nothing maximises the window, which would stay
  // at its minimum size with the line list a sliver.
  const QScreen* shown_on = screen();
  if (!shown_on)
    return;
  const QRect available = shown_on->availableGeometry();
  if (!IsWellUnderScreen(frameGeometry().size(), available.size()))
    return;
  const QMargins frame(
      geometry().left() - frameGeometry().left(), geometry().top() - frameGeometry().top(),
      frameGeometry().right() - geometry().right(), frameGeometry().bottom() - geometry().bottom());
  setGeometry(available - frame);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  // A main window has no default button of its own: Enter that no control
  // took presses the add button of the visible strip. (A command button with
  // the focus takes Enter itself: they are all auto-default.)
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && default_button_ &&
      default_button_->isVisible() && default_button_->isEnabled()) {
    default_button_->click();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::SetDefaultButton(QPushButton* button) {
  if (default_button_)
    default_button_->setDefault(false);
  default_button_ = button;
  button->setDefault(true);
}

void MainWindow::mnuFileClose_Click() {
  // The close can be refused: unsaved work that the user keeps.
  if (!close())
    return;
  QApplication::closeAllWindows();
  QApplication::quit();
}

}  // namespace tw
