#include "shell/dialogs/description_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextBlock>
#include <QVBoxLayout>

#include "base/numbers.h"
#include "base/signed_angle.h"
#include "description/description_commands.h"
#include "files/file_io.h"
#include "ports/file_dialog.h"
#include "ports/question_box.h"
#include "shell/window/cp1252.h"

namespace tw {
namespace {

constexpr const char* kDescriptionTitle = "Read Description";

QTableWidget* CallTable(QWidget* parent, const char* name) {
  auto* table = new QTableWidget(0, 3, parent);
  table->setObjectName(name);
  table->setHorizontalHeaderLabels({"Entry", "Doubt", "Note"});
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->setStretchLastSection(true);
  table->verticalHeader()->setVisible(false);
  return table;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& p : parts)
    text += (text.empty() ? "" : "; ") + p;
  return text;
}

void FillTable(QTableWidget* table, const std::vector<ReadCall>& calls) {
  table->setRowCount(static_cast<int>(calls.size()));
  for (size_t i = 0; i < calls.size(); ++i) {
    const int row = static_cast<int>(i);
    table->setItem(row, 0, new QTableWidgetItem(FromCp1252(calls[i].entry)));
    table->setItem(row, 1, new QTableWidgetItem(FromCp1252(Joined(calls[i].doubts))));
    table->setItem(row, 2, new QTableWidgetItem(FromCp1252(Joined(calls[i].notes))));
    if (!calls[i].doubts.empty())
      table->item(row, 1)->setBackground(QColor(255, 230, 160));
  }
  table->resizeColumnToContents(0);
}

QTextEdit::ExtraSelection Marked(QPlainTextEdit* edit, const TextSpan& span, QColor colour) {
  QTextEdit::ExtraSelection s;
  s.cursor = QTextCursor(edit->document());
  s.cursor.setPosition(static_cast<int>(span.begin));
  s.cursor.setPosition(static_cast<int>(span.end), QTextCursor::KeepAnchor);
  s.format.setBackground(colour);
  return s;
}

std::string Figure(double v, int decimals) {
  return ApplyPattern(v, 1, decimals, decimals);
}

}  // namespace

DescriptionDialog::DescriptionDialog(UseHandler use, FileDialog& files, QuestionBox& questions,
                                     QWidget* parent)
    : QDialog(parent), use_(std::move(use)), files_(files), questions_(questions) {
  setObjectName("frmReadDescription");
  setWindowTitle(kDescriptionTitle);
  txtDescription = new QPlainTextEdit(this);
  txtDescription->setObjectName("txtDescription");
  txtDescription->setPlaceholderText("Paste, type or load the description here.");
  lblRotation = new QLabel("Rotate bearings by (+0-12-30 or +0.208333):", this);
  txtRotation = new QLineEdit(this);
  txtRotation->setObjectName("txtRotation");
  grdCalls = CallTable(this, "grdCalls");
  grdTies = CallTable(this, "grdTies");
  lblFigures = new QLabel(this);
  lblFigures->setObjectName("lblFigures");
  lblFigures->setWordWrap(true);
  lblFigures->setTextInteractionFlags(Qt::TextSelectableByMouse);
  cmdLoad = new QPushButton("Load...", this);
  cmdLoad->setObjectName("cmdLoad");
  cmdUse = new QPushButton("Use These Calls", this);
  cmdUse->setObjectName("cmdUse");
  cmdClose = new QPushButton("Close", this);
  cmdClose->setObjectName("cmdClose");

  auto* right = new QVBoxLayout;
  right->addWidget(new QLabel("Calls:", this));
  right->addWidget(grdCalls, 3);
  right->addWidget(new QLabel("Tie lines from the commencement (not boundary):", this));
  right->addWidget(grdTies, 1);
  auto* top = new QHBoxLayout;
  top->addWidget(txtDescription, 1);
  top->addLayout(right, 1);
  auto* rotation = new QHBoxLayout;
  rotation->addWidget(lblRotation);
  rotation->addWidget(txtRotation);
  rotation->addStretch();
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(cmdLoad);
  buttons->addStretch();
  buttons->addWidget(cmdUse);
  buttons->addWidget(cmdClose);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addLayout(rotation);
  layout->addWidget(lblFigures);
  layout->addLayout(buttons);
  resize(900, 560);

  connect(txtDescription, &QPlainTextEdit::textChanged, this, &DescriptionDialog::Reread);
  connect(txtRotation, &QLineEdit::textChanged, this, &DescriptionDialog::Reread);
  connect(grdCalls, &QTableWidget::itemSelectionChanged, this, &DescriptionDialog::Highlight);
  connect(grdTies, &QTableWidget::itemSelectionChanged, this, &DescriptionDialog::Highlight);
  connect(cmdLoad, &QPushButton::clicked, this, &DescriptionDialog::LoadFile);
  connect(cmdUse, &QPushButton::clicked, this, &DescriptionDialog::UseCalls);
  connect(cmdClose, &QPushButton::clicked, this, &QDialog::close);
  Reread();
}

void DescriptionDialog::SetUnit(const std::string& unit) {
  unit_ = unit;
  Reread();
}

void DescriptionDialog::Reread() {
  const std::optional<double> rotation = txtRotation->text().trimmed().isEmpty()
                                             ? 0.0
                                             : ReadSignedAngle(ToCp1252(txtRotation->text()));
  txtRotation->setStyleSheet(rotation ? QString() : QString("background: #ffd0d0"));
  text_ = ToCp1252(txtDescription->toPlainText());
  reading_ = ReadDescription(text_, {unit_, rotation.value_or(0)});
  ShowCalls();
  ShowFigures();
  Highlight();
}

void DescriptionDialog::ShowCalls() {
  FillTable(grdCalls, reading_.calls);
  FillTable(grdTies, reading_.ties);
  cmdUse->setEnabled(!reading_.calls.empty());
}

void DescriptionDialog::ShowFigures() {
  const UnitRecord* unit = UnitRecordFor(unit_);
  const std::string square = unit ? std::string(unit->square_words) : "square units";
  std::string text = "Start: North " + Figure(reading_.start.north, 4) + ", East " +
                     Figure(reading_.start.east, 4) + ".";
  if (const std::optional<ReadFigures> f = FiguresOfCalls(reading_)) {
    text += " Closure " + Figure(f->closure, 4) + " " + unit_ + ", precision " +
            (f->closure > 0
                 ? RatioLabel(std::llround(f->perimeter / f->closure), DigitGroups::Thousands)
                 : std::string("exact")) +
            ". Area " + Figure(f->area, 2) + " " + square;
    if (reading_.record_area)
      text += " against the record's " + reading_.record_area_text + " (" +
              Figure(*reading_.record_area, 2) + " " + square + "), a difference of " +
              Figure(f->area - *reading_.record_area, 2) + " " + square;
    text += ".";
  }
  for (const UnreadCall& u : reading_.unread)
    text += "\n" + PlaceText(u.span) + ": not read, " + u.reason + ".";
  for (const std::string& note : reading_.notes)
    text += "\n" + note + ".";
  lblFigures->setText(FromCp1252(text));
}

// Every unused word shaded, every unread call marked, the selected call lit.
void DescriptionDialog::Highlight() {
  QList<QTextEdit::ExtraSelection> marks;
  for (const TextSpan& span : reading_.unused)
    marks.append(Marked(txtDescription, span, QColor(220, 220, 220)));
  for (const UnreadCall& u : reading_.unread)
    marks.append(Marked(txtDescription, u.span, QColor(255, 190, 190)));
  for (const auto& [table, calls] :
       {std::pair{grdCalls, &reading_.calls}, std::pair{grdTies, &reading_.ties}}) {
    const int row = table->currentRow();
    if (table->selectionModel()->hasSelection() && row >= 0 &&
        row < static_cast<int>(calls->size()))
      marks.append(
          Marked(txtDescription, (*calls)[static_cast<size_t>(row)].span, QColor(255, 240, 120)));
  }
  txtDescription->setExtraSelections(marks);
}

void DescriptionDialog::LoadFile() {
  const std::optional<std::string> path =
      files_.Show(OpenFileRequest("Load Description", kDescriptionFilter));
  if (!path)
    return;
  const Result<std::string> bytes = ReadFileBytes(*path);
  if (!bytes) {
    lblFigures->setText(FromCp1252(bytes.error()));
    return;
  }
  txtDescription->setPlainText(FromCp1252(DescriptionFileText(*bytes)));
}

void DescriptionDialog::UseCalls() {
  if (reading_.calls.empty())
    return;
  if (reading_.HasDoubts()) {
    std::string question = "Some calls were read from damaged text:";
    for (const std::vector<ReadCall>* list : {&reading_.ties, &reading_.calls})
      for (const ReadCall& call : *list)
        if (!call.doubts.empty())
          question +=
              "\n" + PlaceText(call.span) + ": " + call.entry + " (" + Joined(call.doubts) + ")";
    question += "\n\nUse these readings?";
    if (questions_.AskYesNo(question, kDescriptionTitle) != YesNoAnswer::Yes)
      return;
  }
  if (use_(reading_))
    close();
}

}  // namespace tw
