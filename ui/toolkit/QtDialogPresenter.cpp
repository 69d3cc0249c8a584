#include "ui/toolkit/QtDialogPresenter.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include "ui/toolkit/QtText.h"

namespace zonivo {
namespace {

using Button = QMessageBox::StandardButton;

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  Button escape;  // Escape and the close box answer with this one
};

ButtonSet ButtonsFor(int flags) {
  switch (flags & 0x0F) {
    case 1: return {Button::Ok | Button::Cancel, Button::Cancel};
    case 2: return {Button::Abort | Button::Retry | Button::Ignore, Button::Abort};
    case 3: return {Button::Yes | Button::No | Button::Cancel, Button::Cancel};
    case 4: return {Button::Yes | Button::No, Button::No};
    case 5: return {Button::Retry | Button::Cancel, Button::Cancel};
    default: return {Button::Ok, Button::Ok};
  }
}

QMessageBox::Icon IconFor(int flags) {
  switch (flags & 0xF0) {
    case 16: return QMessageBox::Critical;
    case 32: return QMessageBox::Question;
    case 48: return QMessageBox::Warning;
    case 64: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

int AnswerFor(int button) {
  switch (button) {
    case Button::Cancel: return kCancel;
    case Button::Abort: return kAbort;
    case Button::Retry: return kRetry;
    case Button::Ignore: return kIgnore;
    case Button::Yes: return kYes;
    case Button::No: return kNo;
    default: return kOk;
  }
}

}  // namespace

int QtDialogPresenter::MessageBox(const Text& text, int flags, const Text& title) {
  const ButtonSet set = ButtonsFor(flags);
  QMessageBox box(IconFor(flags), ToQString(title), ToQString(text), set.buttons);
  box.setObjectName(QStringLiteral("MessageBox"));
  box.setWindowModality(Qt::ApplicationModal);
  box.setEscapeButton(set.escape);
  return AnswerFor(box.exec());
}

std::optional<Text> QtDialogPresenter::InputBox(const Text& prompt, const Text& title,
                                                const Text& text) {
  QInputDialog dialog;
  dialog.setObjectName(QStringLiteral("InputBox"));
  dialog.setWindowModality(Qt::ApplicationModal);
  dialog.setInputMode(QInputDialog::TextInput);
  dialog.setWindowTitle(ToQString(title));
  dialog.setLabelText(ToQString(prompt));
  dialog.setTextValue(ToQString(text));
  QTimer::singleShot(0, &dialog, [&dialog] {
    if (auto* entry = dialog.findChild<QLineEdit*>()) entry->selectAll();
  });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ToText(dialog.textValue());
}

}  // namespace zonivo
