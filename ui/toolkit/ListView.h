#pragma once

#include <QTableView>
#include <cstdint>
#include <utility>
#include <vector>

#include "api/ListTarget.h"
#include "net/Text.h"

namespace zonivo {

class RowModel;

struct ListColumn {
  Text title;
  int width;
};

// A report-style list: column headers, whole-row single selection, grid lines,
// no sorting and no editing, blue text on white. Rows and columns count from 0.
class ListView final : public QTableView {
  Q_OBJECT

 public:
  ListView(QWidget* parent, const std::vector<ListColumn>& columns);

  void ListClear();
  int ListInsertRow(int position = -1, const Text& text = {});
  void ListSetCell(int row, int column, const Text& text);
  Text ListCell(int row, int column) const;
  // Appends `rows` in one batch.
  void AppendRows(const std::vector<ListRow>& rows);
  int ListCurrentRow() const;
  int RowCount() const;

  // Where the pop-up of the last RightClicked goes, on the screen: 3 pixels
  // right of and below the pointer for a click, below the selected row (or at
  // the top left of the list) for a key.
  QPoint PopupPlace() const { return popupPlace_; }

  // Empties the list for a new fill and returns the fill's ticket.
  std::uint64_t StartFill();
  bool IsLatestFill(std::uint64_t ticket) const { return ticket == fills_; }

 signals:
  // A right click anywhere in the list, after the row under the pointer has
  // been selected (or the selection cleared on an empty part); also the
  // context-menu key or Shift+F10 while the list has the focus.
  void RightClicked();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  RowModel* model_;
  std::uint64_t fills_ = 0;
  QPoint popupPlace_;
};

}  // namespace zonivo
