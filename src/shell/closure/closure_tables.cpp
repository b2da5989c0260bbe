#include "shell/closure/closure_tables.h"

#include <array>

#include "closure/closure_forms.h"
#include "geometry/bearing_forms.h"
#include "shell/window/cp1252.h"

namespace tw {
namespace {

constexpr int kPlainLineColumns = static_cast<int>(kLineTitles.size());
constexpr int kCornerColumns = 1 + static_cast<int>(kCornerTitles.size());

QString Number(double v) {
  return QString::fromStdString(FixedForm(v));
}

QString LineBearing(const ClosureAnalysis& a, int row, double east, double north) {
  return FromCp1252(LineBearingForm(a, static_cast<size_t>(row), east, north));
}

}  // namespace

ClosureTableModel::ClosureTableModel(Table table, QObject* parent)
    : QAbstractTableModel(parent), table_(table) {}

void ClosureTableModel::Show(std::shared_ptr<const ClosureAnalysis> analysis) {
  beginResetModel();
  analysis_ = std::move(analysis);
  unadjusted_corners_.clear();
  if (table_ == Table::Corners && analysis_ && !ShownAdjustment())
    unadjusted_corners_ = CornersOf(analysis_->lines);
  endResetModel();
}

const Adjustment* ClosureTableModel::ShownAdjustment() const {
  if (!analysis_ || !analysis_->adjustment || !*analysis_->adjustment)
    return nullptr;
  return &analysis_->adjustment->value();
}

const std::vector<PlanePoint>& ClosureTableModel::Corners() const {
  const Adjustment* a = ShownAdjustment();
  return a ? a->corners : unadjusted_corners_;
}

int ClosureTableModel::rowCount(const QModelIndex& parent) const {
  if (parent.isValid() || !analysis_)
    return 0;
  if (table_ == Table::Lines)
    return static_cast<int>(analysis_->lines.size());
  return static_cast<int>(Corners().size());
}

int ClosureTableModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid())
    return 0;
  if (table_ == Table::Corners)
    return kCornerColumns;
  return ShownAdjustment() ? MostColumns() : kPlainLineColumns;
}

int ClosureTableModel::MostColumns() const {
  return table_ == Table::Corners ? kCornerColumns : 2 * kPlainLineColumns;
}

QVariant ClosureTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || !analysis_)
    return {};
  if (role == Qt::TextAlignmentRole)
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole)
    return {};
  return table_ == Table::Lines ? LineCell(index.row(), index.column())
                                : CornerCell(index.row(), index.column());
}

QString ClosureTableModel::LineCell(int row, int column) const {
  const TraverseLine& l = analysis_->lines[static_cast<size_t>(row)];
  if (column < kPlainLineColumns) {
    const std::array<double, 3> values = {l.length, l.offsets.north, l.offsets.east};
    return column == 0 ? LineBearing(*analysis_, row, l.offsets.east, l.offsets.north)
                       : Number(values[static_cast<size_t>(column - 1)]);
  }
  const TraverseLine& a = ShownAdjustment()->lines[static_cast<size_t>(row)];
  const std::array<double, 3> values = {a.length, a.offsets.north, a.offsets.east};
  const int c = column - kPlainLineColumns;
  return c == 0 ? LineBearing(*analysis_, row, a.offsets.east, a.offsets.north)
                : Number(values[static_cast<size_t>(c - 1)]);
}

// Corner 0 is the project's start and is not listed, as in the batch text.
QString ClosureTableModel::CornerCell(int row, int column) const {
  const PlanePoint& c = Corners()[static_cast<size_t>(row)];
  if (column == 0)
    return QString::number(row + 1);
  return Number(column == 1 ? c.north : c.east);
}

QVariant ClosureTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole)
    return {};
  if (orientation == Qt::Vertical)
    return section + 1;
  if (table_ == Table::Corners)
    return section == 0 ? QString("Corner") : kCornerTitles[static_cast<size_t>(section - 1)];
  if (section < kPlainLineColumns)
    return kLineTitles[static_cast<size_t>(section)];
  return QString(kAdjustedTitle) + kLineTitles[static_cast<size_t>(section - kPlainLineColumns)];
}

}  // namespace tw
