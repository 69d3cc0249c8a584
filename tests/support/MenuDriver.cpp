#include "tests/support/MenuDriver.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QTest>

#include "ui/toolkit/ListView.h"

namespace zonivo::test {
namespace {

QPoint RowPoint(ListView* list, int row) {
  if (row < 0) return {10, list->viewport()->height() - 4};
  return list->visualRect(list->model()->index(row, 1)).center();
}

}  // namespace

QStringList RightClickMenu(ListView* list, QMenu* menu, int row) {
  menu->hide();
  QTest::mouseClick(list->viewport(), Qt::RightButton, {}, RowPoint(list, row));
  if (!menu->isVisible()) return {};
  menu->hide();
  return VisibleItems(menu);
}

QStringList VisibleItems(const QMenu* menu) {
  QStringList shown;
  for (QAction* a : menu->actions())
    if (a->isVisible()) shown << a->text();
  return shown;
}

bool ChooseFromMenu(ListView* list, QMenu* menu, int row, const char* utf8Item) {
  const QString item = QString::fromUtf8(utf8Item);
  if (!RightClickMenu(list, menu, row).contains(item)) {
    ADD_FAILURE() << "the menu does not offer " << utf8Item;
    return false;
  }
  // The handler may delete the menu with its window: trigger, then stop.
  for (QAction* a : menu->actions()) {
    if (a->text() != item) continue;
    a->trigger();
    break;
  }
  return true;
}

}  // namespace zonivo::test
