#include "shell/closure/closure_dialog.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <optional>
#include <span>

#include "base/numbers.h"
#include "closure/adjusted_files.h"
#include "closure/adjustment.h"
#include "closure/closure_lines.h"
#include "closure/closure_report.h"
#include "closure/closure_text.h"
#include "entry/entry_commands.h"
#include "files/file_io.h"
#include "formats/point_file.h"
#include "formats/project_file.h"
#include "ports/file_dialog.h"
#include "ports/message_box.h"
#include "settings/standard_setting.h"
#include "shell/closure/closure_tables.h"
#include "shell/window/cp1252.h"
#include "shell/window/main_window.h"

namespace tw {
namespace {

constexpr std::array<int, 5> kNamedStandards = {5000, 7500, 10000, 15000, 20000};

// The dialog shows the grouped form a person reads.
QString StandardLabel(int standard) {
  return QString::fromStdString(RatioLabel(standard, DigitGroups::Thousands));
}

QString FromUtf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QTableView* Table(QWidget* parent, const char* name, ClosureTableModel* model) {
  auto* view = new QTableView(parent);
  view->setObjectName(name);
  view->setModel(model);
  // Fixed rows: a 100,000-line boundary is not measured row by row.
  view->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 4);
  view->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  view->horizontalHeader()->setDefaultSectionSize(130);
  view->setSelectionBehavior(QAbstractItemView::SelectRows);
  view->setEditTriggers(QAbstractItemView::NoEditTriggers);
  return view;
}

// Every column the table can show, the adjusted ones too, beside a line
// number of six digits and a vertical scroll bar: both come and go with the
// list, and neither should push a column out of sight.
int FullWidth(QTableView* view, const ClosureTableModel& model) {
  view->ensurePolished();
  int width = model.MostColumns() * view->horizontalHeader()->defaultSectionSize() +
              view->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, view) +
              2 * view->frameWidth();
  QHeaderView* numbers = view->verticalHeader();
  if (numbers->isVisibleTo(view)) {
    QStyleOptionHeader option;
    option.initFrom(numbers);
    // The header makes room for its highlighted, bold, numbers.
    QFont bold = numbers->font();
    bold.setBold(true);
    option.fontMetrics = QFontMetrics(bold);
    option.text = "000000";
    width += numbers->style()
                 ->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), numbers)
                 .width();
  }
  return width;
}

QPushButton* Button(QWidget* parent, const char* name, const QString& caption) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

// Said above the tables: what kept the adjustment from being made, or what
// to weigh before trusting the one made.
QString AdjustmentMessage(const ClosureAnalysis& a, std::string_view unit) {
  if (a.kind == EntryKind::Point && a.count > 0)
    return kPointListNotAdjusted;
  if (a.adjustment && !*a.adjustment)
    return FromCp1252(a.adjustment->error());
  std::string notes;
  for (const std::string& note :
       AdjustmentNotes(a, DigitGroups::Thousands, unit, ChangeShown::Always))
    notes += (notes.empty() ? "" : "\n") + note;
  return FromCp1252(notes);
}

}  // namespace

ClosureDialog::ClosureDialog(MainWindow& window, FileDialog& files)
    : QDialog(&window),
      window_(window),
      files_(files),
      standard_(ReadStoredStandard(window.settingsFile())) {
  setObjectName("frmClosure");
  setWindowTitle("Closure Analysis");
  setModal(false);
  setSizeGripEnabled(true);
  auto* layout = new QVBoxLayout(this);
  figures_ = new QLabel(this);
  figures_->setObjectName("lblFigures");
  figures_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(figures_);
  message_ = new QLabel(this);
  message_->setObjectName("lblMessage");
  message_->setWordWrap(true);
  layout->addWidget(message_);
  CreateChoosers(layout);
  const int tables_width = CreateTables(layout);
  findings_box_ = new QGroupBox("Blunders", this);
  findings_box_->setObjectName("grpBlunders");
  findings_layout_ = new QVBoxLayout(findings_box_);
  layout->addWidget(findings_box_);
  CreateButtons(layout);
  const QMargins margins = layout->contentsMargins();
  const QRect room = screen()->availableGeometry();
  resize(std::min(tables_width + margins.left() + margins.right(), room.width()),
         std::min(640, room.height()));
}

ClosureDialog::~ClosureDialog() {
  // The standard's editor and its box report the end of editing when the
  // focus leaves them as the dialog hides, which is after this part of the
  // dialog is gone.
  standard_box_->lineEdit()->disconnect(this);
  standard_box_->disconnect(this);
}

void ClosureDialog::CreateChoosers(QVBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel("Standard:", this));
  standard_box_ = new QComboBox(this);
  standard_box_->setObjectName("cmbStandard");
  standard_box_->setEditable(true);
  standard_box_->setInsertPolicy(QComboBox::NoInsert);
  for (int s : kNamedStandards)
    standard_box_->addItem(StandardLabel(s));
  ShowStandard();
  row->addWidget(standard_box_);
  row->addSpacing(16);
  row->addWidget(new QLabel("Adjustment:", this));
  method_box_ = new QComboBox(this);
  method_box_->setObjectName("cmbMethod");
  // The first item is no adjustment; each method's own follows, so that the
  // item's index less one is its row.
  method_box_->addItem("None");
  for (const AdjustMethodRow& row : AdjustMethods())
    method_box_->addItem(FromUtf8(std::string(row.title)));
  row->addWidget(method_box_);
  row->addStretch();
  layout->addLayout(row);
  connect(standard_box_, &QComboBox::activated, this, &ClosureDialog::ChooseStandard);
  connect(standard_box_->lineEdit(), &QLineEdit::editingFinished, this,
          &ClosureDialog::ChooseStandard);
  connect(method_box_, &QComboBox::currentIndexChanged, this, &ClosureDialog::Refresh);
}

int ClosureDialog::CreateTables(QVBoxLayout* layout) {
  auto* split = new QSplitter(Qt::Horizontal, this);
  lines_model_ = new ClosureTableModel(ClosureTableModel::Table::Lines, this);
  corners_model_ = new ClosureTableModel(ClosureTableModel::Table::Corners, this);
  QTableView* lines = Table(split, "tblLines", lines_model_);
  split->addWidget(lines);
  QTableView* corners = Table(split, "tblCorners", corners_model_);
  corners->verticalHeader()->hide();
  split->addWidget(corners);
  split->setStretchFactor(0, 3);
  split->setStretchFactor(1, 1);
  const int lines_width = FullWidth(lines, *lines_model_);
  const int corners_width = FullWidth(corners, *corners_model_);
  split->setSizes({lines_width, corners_width});
  layout->addWidget(split, 1);
  return lines_width + split->handleWidth() + corners_width;
}

void ClosureDialog::CreateButtons(QVBoxLayout* layout) {
  auto* row = new QHBoxLayout;
  find_blunders_ = Button(this, "cmdFindBlunders", "Find Blunders");
  copy_ = Button(this, "cmdCopy", "Copy");
  save_report_ = Button(this, "cmdSaveReport", "Save Report...");
  save_adjusted_ = Button(this, "cmdSaveAdjusted", "Save Adjusted As...");
  export_adjusted_ = Button(this, "cmdExportAdjusted", "Export Adjusted Points...");
  QPushButton* close = Button(this, "cmdClose", "Close");
  row->addWidget(find_blunders_);
  row->addStretch();
  for (QPushButton* b : {copy_, save_report_, save_adjusted_, export_adjusted_, close})
    row->addWidget(b);
  layout->addLayout(row);
  connect(find_blunders_, &QPushButton::clicked, this, &ClosureDialog::FindBlundersNow);
  connect(copy_, &QPushButton::clicked, this, &ClosureDialog::Copy);
  connect(save_report_, &QPushButton::clicked, this, &ClosureDialog::SaveReport);
  connect(save_adjusted_, &QPushButton::clicked, this, &ClosureDialog::SaveAdjusted);
  connect(export_adjusted_, &QPushButton::clicked, this, &ClosureDialog::ExportAdjusted);
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

ClosureOptions ClosureDialog::Options(bool find_blunders) const {
  ClosureOptions o;
  o.standard = standard_;
  const std::span<const AdjustMethodRow> methods = AdjustMethods();
  const int item = method_box_->currentIndex();
  if (item > 0 && static_cast<size_t>(item) <= methods.size())
    o.method = methods[static_cast<size_t>(item) - 1].method;
  o.find_blunders = find_blunders;
  return o;
}

void ClosureDialog::Follow() {
  const Program& p = window_.program();
  if (analysed_ && p.entries.Revision() == shown_revision_ && p.state.UnitAbbrev == shown_unit_ &&
      p.state.FirstPointX == shown_start_.east && p.state.FirstPointY == shown_start_.north)
    return;
  Refresh();
}

void ClosureDialog::Refresh() {
  const Program& p = window_.program();
  if (!analysed_ || p.entries.Revision() != shown_revision_)
    blunders_asked_ = false;
  analysed_ = true;
  shown_revision_ = p.entries.Revision();
  shown_unit_ = p.state.UnitAbbrev;
  shown_start_ = {p.state.FirstPointX, p.state.FirstPointY};
  const bool live = p.entries.Count() <= kLiveBlunderLines;
  Result<ClosureAnalysis> a = Analyse(live || blunders_asked_);
  if (a) {
    analysis_ = std::make_shared<const ClosureAnalysis>(std::move(a).take());
    failure_.clear();
  } else {
    analysis_.reset();
    failure_ = a.error();
  }
  ShowAnalysis();
}

Result<ClosureAnalysis> ClosureDialog::Analyse(bool find_blunders) {
  const Program& p = window_.program();
  return AnalyseClosure(p.entries, p.state, Options(find_blunders));
}

const Adjustment* ClosureDialog::ShownAdjustment() const {
  if (!analysis_ || analysis_->kind != EntryKind::Angle || !analysis_->adjustment ||
      !*analysis_->adjustment)
    return nullptr;
  return &analysis_->adjustment->value();
}

void ClosureDialog::ShowAnalysis() {
  const ClosureAnalysis* a = analysis_.get();
  figures_->setText(a ? FromUtf8(ClosureFiguresText(*a, shown_unit_)) : QString());
  const QString message = a ? AdjustmentMessage(*a, shown_unit_) : FromCp1252(failure_);
  message_->setText(message);
  message_->setVisible(!message.isEmpty());
  lines_model_->Show(analysis_);
  corners_model_->Show(analysis_);
  ShowFindings();
  // The batch tool prints nothing for an empty list; a failed adjustment it
  // prints with the reason, but no report for it.
  const bool adjusted = !a || !a->adjustment || *a->adjustment;
  copy_->setEnabled(a && a->count > 0);
  save_report_->setEnabled(a && a->count > 0 && adjusted);
  save_adjusted_->setEnabled(ShownAdjustment() != nullptr);
  export_adjusted_->setEnabled(ShownAdjustment() != nullptr);
}

void ClosureDialog::ShowFindings() {
  // A correction button refreshes the dialog from its own click: the old
  // rows go once the click is over.
  for (QWidget* w : findings_box_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    w->hide();
    w->deleteLater();
  }
  // A row is a layout, itself the item; the widgets go above.
  while (QLayoutItem* item = findings_layout_->takeAt(0))
    delete item;
  const ClosureAnalysis* a = analysis_.get();
  const bool bearings = a && a->kind == EntryKind::Angle && a->count > 0;
  findings_box_->setVisible(bearings);
  find_blunders_->setVisible(bearings && !a->standard_met && !a->blunders_searched);
  if (!bearings)
    return;
  QString status;
  if (a->standard_met)
    status = "None needed: the standard is met.";
  else if (!a->blunders_searched)
    status = QString("Not searched: the boundary has more than %1 lines.")
                 .arg(WholeNumberText(static_cast<std::int64_t>(kLiveBlunderLines),
                                      DigitGroups::Thousands)
                          .c_str());
  else if (a->course_may_be_missing)
    status = "No single-entry fix found. " + FromCp1252(MissingCourseLine(a->figures)) + '.';
  else if (a->blunders.empty())
    status = QString(kAccumulatedError).replace(0, 1, QChar('N')) + '.';
  if (!status.isEmpty())
    findings_layout_->addWidget(new QLabel(status, findings_box_));
  for (size_t i = 0; i < a->blunders.size(); ++i)
    findings_layout_->addLayout(FindingRow(a->blunders[i], i));
}

// The finding and a button for each line it names: parallel lines that
// explain the misclosure equally are the user's to choose between.
QHBoxLayout* ClosureDialog::FindingRow(const BlunderFinding& b, size_t i) {
  auto* row = new QHBoxLayout;
  auto* text = new QLabel(FromCp1252(FindingLine(b)), findings_box_);
  text->setWordWrap(true);
  row->addWidget(text, 1);
  for (size_t k = 0; k < b.lines.size(); ++k) {
    const bool one = b.lines.size() == 1;
    QPushButton* correct =
        Button(findings_box_, "",
               one ? QString("Correct") : QString("Correct Line %1").arg(b.lines[k].index + 1));
    correct->setObjectName(k == 0 ? QString("cmdCorrect%1").arg(i + 1)
                                  : QString("cmdCorrect%1_%2").arg(i + 1).arg(k + 1));
    connect(correct, &QPushButton::clicked, this, [this, i, k] { Correct(i, k); });
    row->addWidget(correct);
  }
  return row;
}

void ClosureDialog::ShowStandard() {
  standard_box_->setEditText(StandardLabel(standard_));
}

void ClosureDialog::ChooseStandard() {
  const std::optional<int> s =
      ParseStandard(standard_box_->currentText().toStdString(), StandardText::Label);
  if (!s || *s == standard_) {
    ShowStandard();
    return;
  }
  standard_ = *s;
  StoreStandard(standard_, window_.settingsFile());
  ShowStandard();
  Refresh();
}

void ClosureDialog::FindBlundersNow() {
  blunders_asked_ = true;
  const Program& p = window_.program();
  // The list as shown: the search belongs to it, not to a later one.
  if (p.entries.Revision() == shown_revision_) {
    Result<ClosureAnalysis> a = Analyse(true);
    if (a)
      analysis_ = std::make_shared<const ClosureAnalysis>(std::move(a).take());
  }
  ShowAnalysis();
}

void ClosureDialog::Correct(size_t finding, size_t line) {
  if (!analysis_ || finding >= analysis_->blunders.size() ||
      line >= analysis_->blunders[finding].lines.size())
    return;
  const BlunderLine b = analysis_->blunders[finding].lines[line];
  Program& p = window_.program();
  if (b.index >= p.entries.Count() || p.entries.At(b.index) != b.entry)
    return;
  const Status corrected = CorrectEntry(p, b.index, b.corrected);
  window_.FinishCommand();
  window_.Report(corrected);
}

void ClosureDialog::Copy() {
  if (!analysis_)
    return;
  std::shared_ptr<const ClosureAnalysis> a = analysis_;
  // The batch tool always searches.
  if (a->kind == EntryKind::Angle && !a->standard_met && !a->blunders_searched) {
    Result<ClosureAnalysis> searched = Analyse(true);
    if (!searched)
      return;
    a = std::make_shared<const ClosureAnalysis>(std::move(searched).take());
  }
  // Named as the batch tool names its file: without the folders.
  const std::string title = ProjectTitleOf(window_.currentFile());
  QApplication::clipboard()->setText(FromUtf8(ClosureText(*a, title, shown_unit_)));
}

void ClosureDialog::SaveReport() {
  if (!analysis_)
    return;
  ReportHead head;
  head.title = ProjectTitleOf(window_.currentFile());
  head.unit = shown_unit_;
  head.date = ReportDateToday();
  const Result<std::string> report =
      ClosureReport(*analysis_, window_.program().entries.Entries(), head);
  if (!report)
    return window_.messages().Show(report.error(), kProgramTitle, MessageIcon::None);
  const std::optional<std::string> chosen =
      files_.Show(SaveFileRequest("Save closure report as", "Closure Report.txt", kReportFilter));
  if (!chosen)
    return;
  const Status written = WriteFileAtomically(*chosen, *report);
  if (!written)
    window_.messages().Show(written.error(), kProgramTitle, MessageIcon::None);
}

void ClosureDialog::SaveAdjusted() {
  const Adjustment* a = ShownAdjustment();
  if (!a)
    return;
  const std::optional<std::string> path =
      files_.Show(SaveFileRequest("Save adjusted boundary as", "Adjusted.twc", kProjectFilter));
  if (!path)
    return;
  const Status written = WriteFileAtomically(*path, AdjustedProjectBytes(*a, shown_unit_));
  if (!written)
    window_.messages().Show(written.error(), kProgramTitle, MessageIcon::None);
}

void ClosureDialog::ExportAdjusted() {
  const Adjustment* a = ShownAdjustment();
  if (!a)
    return;
  const std::optional<std::string> path =
      files_.Show(SaveFileRequest("Export adjusted points as", "Adjusted.asc", kPointFileFilter));
  if (!path)
    return;
  const Status written = WriteFileAtomically(*path, AdjustedPointBytes(*a));
  if (!written)
    window_.messages().Show(written.error(), kProgramTitle, MessageIcon::None);
}

ClosureCommands::ClosureCommands(MainWindow& window, FileDialog& files)
    : QObject(&window), window_(window), files_(files) {
  connect(&window, &MainWindow::closureAnalysisRequested, this, &ClosureCommands::ShowDialog);
  connect(&window, &MainWindow::commandFinished, this, [this] {
    if (dialog_ && dialog_->isVisible())
      dialog_->Follow();
  });
  window.installEventFilter(this);
}

void ClosureCommands::ShowDialog() {
  if (!dialog_)
    dialog_ = new ClosureDialog(window_, files_);
  dialog_->Follow();
  dialog_->show();
  dialog_->raise();
  dialog_->activateWindow();
}

bool ClosureCommands::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &window_ && event->type() == QEvent::Close && dialog_)
    dialog_->close();
  return QObject::eventFilter(watched, event);
}

}  // namespace tw
