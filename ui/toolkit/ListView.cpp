#include "ui/toolkit/ListView.h"

#include <QCursor>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>

#include "ui/toolkit/QtText.h"
#include "ui/toolkit/RowModel.h"

namespace zonivo {
namespace {

const QColor kListText(0, 96, 192);

QStringList Titles(const std::vector<ListColumn>& columns) {
  QStringList titles;
  for (const ListColumn& column : columns) titles << ToQString(column.title);
  return titles;
}

}  // namespace

ListView::ListView(QWidget* parent, const std::vector<ListColumn>& columns)
    : QTableView(parent), model_(new RowModel(Titles(columns), this)) {
  setModel(model_);
  setSelectionBehavior(SelectRows);
  setSelectionMode(SingleSelection);
  setEditTriggers(NoEditTriggers);
  setSortingEnabled(false);
  setShowGrid(true);
  setWordWrap(false);
  setFrameStyle(QFrame::Box | QFrame::Plain);
  setLineWidth(1);
  verticalHeader()->hide();
  verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setStretchLastSection(false);
  for (int i = 0; i < static_cast<int>(columns.size()); ++i) setColumnWidth(i, columns[i].width);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, kListText);
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Window, Qt::white);
  colours.setColor(QPalette::Button, QColor(240, 240, 240));
  setPalette(colours);
}

void ListView::ListClear() { model_->Clear(); }

int ListView::ListInsertRow(int position, const Text& text) {
  return model_->InsertRow(position, ToQString(text));
}

// A cell equal to the one above it shares that one's string: columns such as
// the state or the type repeat a few texts, converted once.
void ListView::AppendRows(const std::vector<ListRow>& rows) {
  QList<QStringList> converted;
  converted.reserve(static_cast<qsizetype>(rows.size()));
  const ListRow* above = nullptr;
  for (const ListRow& row : rows) {
    QStringList cells;
    cells.reserve(static_cast<qsizetype>(row.size()));
    for (std::size_t c = 0; c < row.size(); ++c) {
      const bool repeated = above && c < above->size() && (*above)[c] == row[c];
      cells << (repeated ? converted.back()[static_cast<qsizetype>(c)] : ToQString(row[c]));
    }
    converted << std::move(cells);
    above = &row;
  }
  model_->AppendRows(std::move(converted));
}

void ListView::ListSetCell(int row, int column, const Text& text) {
  model_->SetCell(row, column, ToQString(text));
}

Text ListView::ListCell(int row, int column) const { return ToText(model_->Cell(row, column)); }

int ListView::ListCurrentRow() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  int first = -1;
  for (const QModelIndex& index : rows)
    if (first < 0 || index.row() < first) first = index.row();
  return first;
}

int ListView::RowCount() const { return model_->rowCount(); }

std::uint64_t ListView::StartFill() {
  ListClear();
  return ++fills_;
}

void ListView::mousePressEvent(QMouseEvent* event) {
  const QModelIndex under = indexAt(event->position().toPoint());
  if (!under.isValid()) {
    clearSelection();
    return;
  }
  if (event->button() == Qt::RightButton) {
    selectRow(under.row());
    return;
  }
  QTableView::mousePressEvent(event);
}

void ListView::mouseReleaseEvent(QMouseEvent* event) {
  QTableView::mouseReleaseEvent(event);
  if (event->button() != Qt::RightButton) return;
  popupPlace_ = QCursor::pos() + QPoint(3, 3);
  emit RightClicked();
}

void ListView::keyPressEvent(QKeyEvent* event) {
  const bool menuKey = event->key() == Qt::Key_Menu ||
                       (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
  if (!menuKey) {
    QTableView::keyPressEvent(event);
    return;
  }
  const int row = ListCurrentRow();
  const QPoint inside =
      row < 0 ? QPoint(0, 0) : visualRect(model_->index(row, 0)).bottomLeft() + QPoint(0, 1);
  popupPlace_ = viewport()->mapToGlobal(inside);
  event->accept();
  emit RightClicked();
}

}  // namespace zonivo
