#pragma once

#include <QStringList>

class QMenu;

namespace zonivo {
class ListView;
}

namespace zonivo::test {

// Right-clicks row `row` of `list` (an empty part of it for -1) and returns
// the texts of the items of `menu` that the pop-up shows; empty when no menu
// opened. The menu is closed again.
QStringList RightClickMenu(ListView* list, QMenu* menu, int row);

// The texts of the items of `menu` that a pop-up of it shows.
QStringList VisibleItems(const QMenu* menu);

// Right-clicks as RightClickMenu does and chooses `utf8Item`, which must be
// among the items the opened menu shows; false, with a failure, otherwise.
bool ChooseFromMenu(ListView* list, QMenu* menu, int row, const char* utf8Item);

}  // namespace zonivo::test
