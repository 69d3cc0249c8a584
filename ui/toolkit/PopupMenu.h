#pragma once

#include <QMenu>
#include <vector>

#include "net/Text.h"

namespace zonivo {

// A hidden menu used only as a pop-up. Items carry their text as object name.
QMenu* MakePopupMenu(QWidget* owner, const char* name, const std::vector<Text>& items);

QAction* MenuItem(QMenu* menu, int index);
void SetItemVisible(QAction* item, bool visible);

// Shows the visible items of `menu` at `place` on the screen (for a click, 3
// pixels right of and below the pointer); choosing an item triggers it.
// Returns at once.
void ShowPopupMenu(QMenu* menu, QPoint place);

}  // namespace zonivo
