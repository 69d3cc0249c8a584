#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QStringList>

namespace zonivo {

// The rows of a list view: a fixed number of columns of plain text.
class RowModel final : public QAbstractTableModel {
  Q_OBJECT

 public:
  RowModel(QStringList titles, QObject* parent);

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  void Clear();
  // Inserts a row holding `first` in column 0 before `position`, or at the
  // end when `position` is negative or past the last row; returns the new
  // row's number.
  int InsertRow(int position, const QString& first);
  // Appends `rows` with one insertion.
  void AppendRows(QList<QStringList> rows);
  void SetCell(int row, int column, const QString& text);
  QString Cell(int row, int column) const;

 private:
  bool Contains(int row, int column) const;

  QStringList titles_;
  QList<QStringList> rows_;
};

}  // namespace zonivo
