#pragma once

#include <QComboBox>
#include <vector>

#include "net/Text.h"

namespace zonivo {

// A drop-down list the user can only pick from, items counted from 0.
class ComboBox final : public QComboBox {
  Q_OBJECT

 public:
  ComboBox(QWidget* parent, const std::vector<Text>& items);

  Text ComboItemText(int index) const;
  // Selects the first item that begins with `text`, letter case ignored; no
  // such item leaves the selection as it is.
  void ComboSelectText(const Text& text);
  int ComboCurrentIndex() const;

 signals:
  // The user has picked an item; never raised by a selection of the program.
  void ItemChosen();
};

}  // namespace zonivo
