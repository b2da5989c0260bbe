#include "shell/landxml/parcel_chooser.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace tw {

ParcelChooser::ParcelChooser(const std::vector<ParcelRow>& rows, QWidget* parent)
    : QDialog(parent), table_(new QTableWidget(static_cast<int>(rows.size()), 4, this)) {
  setWindowTitle("Import LandXML");
  table_->setObjectName("tblParcels");
  table_->setHorizontalHeaderLabels({"Parcel", "Area", "Segments", "Closed"});
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->verticalHeader()->hide();
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const ParcelRow& row = rows[static_cast<size_t>(r)];
    const QString cells[] = {QString::fromStdString(row.name), QString::fromStdString(row.area),
                             QString::number(row.segments), row.closed ? "closed" : "open"};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c > 0)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
      table_->setItem(r, c, item);
    }
  }
  table_->resizeColumnsToContents();
  table_->horizontalHeader()->setStretchLastSection(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
  ok->setText("Import");
  ok->setEnabled(false);
  connect(table_, &QTableWidget::itemSelectionChanged, ok,
          [this, ok] { ok->setEnabled(Chosen().has_value()); });
  connect(table_, &QTableWidget::cellDoubleClicked, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(table_);
  layout->addWidget(buttons);
  resize(520, 300);
}

std::optional<size_t> ParcelChooser::Chosen() const {
  const QList<QTableWidgetSelectionRange> ranges = table_->selectedRanges();
  if (ranges.isEmpty())
    return std::nullopt;
  return static_cast<size_t>(ranges.front().topRow());
}

}  // namespace tw
