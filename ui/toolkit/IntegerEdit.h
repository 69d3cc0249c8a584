#pragma once

#include <QLineEdit>

#include "net/Text.h"

namespace zonivo {

// `text` read as a whole number: leading white space skipped, an optional
// sign, the digits up to the first other character (none gives 0), clamped
// to the 32-bit signed range; written in decimal, 0 as the empty text.
Text NormalisedInteger(const Text& text);

// An edit box for whole numbers: typing takes only "-" and the digits, while
// control keys and pastes work as usual; losing the focus normalises the text.
// Text set by the program stays as it is until then.
class IntegerEdit final : public QLineEdit {
  Q_OBJECT

 public:
  explicit IntegerEdit(QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace zonivo
