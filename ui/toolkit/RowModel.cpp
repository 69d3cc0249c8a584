#include "ui/toolkit/RowModel.h"

namespace zonivo {

RowModel::RowModel(QStringList titles, QObject* parent)
    : QAbstractTableModel(parent), titles_(std::move(titles)) {}

int RowModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int RowModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(titles_.size());
}

QVariant RowModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !Contains(index.row(), index.column())) return {};
  return Cell(index.row(), index.column());
}

QVariant RowModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  return section >= 0 && section < titles_.size() ? QVariant(titles_[section]) : QVariant();
}

void RowModel::Clear() {
  if (rows_.isEmpty()) return;
  beginResetModel();
  rows_.clear();
  endResetModel();
}

int RowModel::InsertRow(int position, const QString& first) {
  const int count = static_cast<int>(rows_.size());
  const int row = position < 0 || position > count ? count : position;
  beginInsertRows({}, row, row);
  rows_.insert(row, QStringList{first});
  endInsertRows();
  return row;
}

void RowModel::AppendRows(QList<QStringList> rows) {
  if (rows.isEmpty()) return;
  const int first = static_cast<int>(rows_.size());
  beginInsertRows({}, first, first + static_cast<int>(rows.size()) - 1);
  if (rows_.isEmpty())
    rows_ = std::move(rows);
  else
    rows_.append(std::move(rows));
  endInsertRows();
}

void RowModel::SetCell(int row, int column, const QString& text) {
  if (!Contains(row, column)) return;
  QStringList& cells = rows_[row];
  if (cells.size() <= column) cells.resize(column + 1);
  cells[column] = text;
  const QModelIndex at = index(row, column);
  emit dataChanged(at, at, {Qt::DisplayRole});
}

QString RowModel::Cell(int row, int column) const {
  if (!Contains(row, column)) return {};
  const QStringList& cells = rows_[row];
  return column < cells.size() ? cells[column] : QString();
}

bool RowModel::Contains(int row, int column) const {
  return row >= 0 && row < rows_.size() && column >= 0 && column < titles_.size();
}

}  // namespace zonivo
