#include "ComboBox.h"

#include "QtText.h"

namespace zonivo {
namespace {
const QColor kEntryText(0, 128, 128);
}

ComboBox::ComboBox(QWidget* parent, const std::vector<Text>& items) : QComboBox(parent) {
  setEditable(false);
  for (const Text& item : items) addItem(ToQString(item));
  setCurrentIndex(items.empty() ? -1 : 0);
  QPalette colours = palette();
  colours.setColor(QPalette::Text, kEntryText);
  colours.setColor(QPalette::ButtonText, kEntryText);
  colours.setColor(QPalette::Base, Qt::white);
  setPalette(colours);
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
