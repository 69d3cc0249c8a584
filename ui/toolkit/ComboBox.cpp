#include "ui/toolkit/ComboBox.h"

#include "ui/toolkit/Controls.h"
#include "ui/toolkit/QtText.h"

namespace zonivo {
ComboBox::ComboBox(QWidget* parent, const std::vector<Text>& items) : QComboBox(parent) {
  setEditable(false);
  for (const Text& item : items) addItem(ToQString(item));
  setCurrentIndex(items.empty() ? -1 : 0);
  SetEntryColours(this);
  connect(this, &QComboBox::activated, this, &ComboBox::ItemChosen);
}

Text ComboBox::ComboItemText(int index) const {
  return index >= 0 && index < count() ? ToText(itemText(index)) : Text();
}

void ComboBox::ComboSelectText(const Text& text) {
  const QString wanted = ToQString(text);
  for (int i = 0; i < count(); ++i) {
    if (itemText(i).startsWith(wanted, Qt::CaseInsensitive)) {
      setCurrentIndex(i);
      return;
    }
  }
}

int ComboBox::ComboCurrentIndex() const { return currentIndex(); }

}  // namespace zonivo
