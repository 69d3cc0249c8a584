#include "ui/toolkit/Controls.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>

#include <limits>

#include "ui/toolkit/ComboBox.h"
#include "ui/toolkit/IntegerEdit.h"
#include "ui/toolkit/LinkLabel.h"
#include "ui/toolkit/PictureButton.h"
#include "ui/toolkit/QtText.h"

namespace zonivo {
namespace {

const QColor kEntryText(0, 128, 128);

template <typename W>
W* Place(W* control, const char* name, QRect place) {
  control->setObjectName(QString::fromUtf8(name));
  control->setGeometry(place);
  return control;
}

}  // namespace

QFrame* MakeFrame(QWidget* parent, const char* name, QRect place) {
  auto* frame = Place(new QFrame(parent), name, place);
  frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
  return frame;
}

QLabel* MakeLabel(QWidget* parent, const char* name, QRect place, const char* utf8Text) {
  auto* label = Place(new QLabel(QString::fromUtf8(utf8Text), parent), name, place);
  label->setStyleSheet(QStringLiteral("color: white;"));
  return label;
}

LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, QRect place, const char* utf8Text) {
  return Place(new LinkLabel(parent, QString::fromUtf8(utf8Text)), name, place);
}

QLineEdit* MakeEditBox(QWidget* parent, const char* name, QRect place, bool password) {
  auto* edit = Place(new QLineEdit(parent), name, place);
  edit->setMaxLength(std::numeric_limits<int>::max());
  SetEntryColours(edit);
  if (password) {
    edit->setEchoMode(QLineEdit::Password);
    edit->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
  }
  return edit;
}

IntegerEdit* MakeIntegerEdit(QWidget* parent, const char* name, QRect place) {
  auto* edit = Place(new IntegerEdit(parent), name, place);
  SetEntryColours(edit);
  return edit;
}

ComboBox* MakeComboBox(QWidget* parent, const char* name, QRect place,
                       const std::vector<Text>& items) {
  return Place(new ComboBox(parent, items), name, place);
}

QLabel* MakePictureBox(QWidget* parent, const char* name, QRect place, const QPixmap& picture) {
  auto* box = Place(new QLabel(parent), name, place);
  box->setPixmap(picture);
  return box;
}

PictureButton* MakePictureButton(QWidget* parent, const char* name, QRect place,
                                 const char* captionUtf8, const QPixmap& normal,
                                 const QPixmap& pressed) {
  auto* button = Place(new PictureButton(parent, normal, pressed), name, place);
  button->setAccessibleName(QString::fromUtf8(captionUtf8));
  return button;
}

ListView* MakeListView(QWidget* parent, const char* name, QRect place, const char* accessibleUtf8,
                       const std::vector<ListColumn>& columns) {
  auto* list = Place(new ListView(parent, columns), name, place);
  list->setAccessibleName(QString::fromUtf8(accessibleUtf8));
  return list;
}

void SetEntryColours(QWidget* entry) {
  QPalette colours = entry->palette();
  colours.setColor(QPalette::Text, kEntryText);
  colours.setColor(QPalette::ButtonText, kEntryText);
  colours.setColor(QPalette::Base, Qt::white);
  colours.setColor(QPalette::Button, Qt::white);
  entry->setPalette(colours);
}

Text EditText(const QLineEdit* edit) { return ToText(edit->text()); }

void SetEditText(QLineEdit* edit, const Text& text) { edit->setText(ToQString(text)); }

void SetCaption(QWidget* window, const Text& caption) {
  window->setWindowTitle(ToQString(caption));
}

}  // namespace zonivo
