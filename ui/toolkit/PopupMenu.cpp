#include "ui/toolkit/PopupMenu.h"

#include "ui/toolkit/QtText.h"

namespace zonivo {

QMenu* MakePopupMenu(QWidget* owner, const char* name, const std::vector<Text>& items) {
  auto* menu = new QMenu(owner);
  menu->setObjectName(QString::fromUtf8(name));
  for (const Text& item : items) {
    QAction* action = menu->addAction(ToQString(item));
    action->setObjectName(ToQString(item));
  }
  return menu;
}

QAction* MenuItem(QMenu* menu, int index) { return menu->actions().value(index); }

void SetItemVisible(QAction* item, bool visible) { item->setVisible(visible); }

void ShowPopupMenu(QMenu* menu, QPoint place) { menu->popup(place); }

}  // namespace zonivo
