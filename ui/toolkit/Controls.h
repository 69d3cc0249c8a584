#pragma once

#include <QRect>
#include <vector>

#include "net/Text.h"
#include "ui/toolkit/ListView.h"

class QFrame;
class QLabel;
class QLineEdit;
class QPixmap;
class QWidget;

namespace zonivo {

class ComboBox;
class IntegerEdit;
class LinkLabel;
class PictureButton;

// Makers of the controls of the program's windows. Each control carries the
// name of its window definition as object name and sits at `place` inside
// `parent`.
QFrame* MakeFrame(QWidget* parent, const char* name, QRect place);
QLabel* MakeLabel(QWidget* parent, const char* name, QRect place, const char* utf8Text);
LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, QRect place, const char* utf8Text);
// An edit box in teal on white, without a length limit; a password box shows
// every character as "*".
QLineEdit* MakeEditBox(QWidget* parent, const char* name, QRect place, bool password = false);
// An edit box for whole numbers, in teal on white.
IntegerEdit* MakeIntegerEdit(QWidget* parent, const char* name, QRect place);
// A drop-down list of `items`, the first selected, in teal on white.
ComboBox* MakeComboBox(QWidget* parent, const char* name, QRect place,
                       const std::vector<Text>& items);
QLabel* MakePictureBox(QWidget* parent, const char* name, QRect place, const QPixmap& picture);
// A picture button whose accessible name is `captionUtf8`, the word on it.
PictureButton* MakePictureButton(QWidget* parent, const char* name, QRect place,
                                 const char* captionUtf8, const QPixmap& normal,
                                 const QPixmap& pressed);
// A list view whose accessible name is `accessibleUtf8`.
ListView* MakeListView(QWidget* parent, const char* name, QRect place, const char* accessibleUtf8,
                       const std::vector<ListColumn>& columns);

// Teal text on white, the colours of every edit box and drop-down list; a
// drop-down list that takes no typing paints its face with the button colours.
void SetEntryColours(QWidget* entry);

// The Text property of an edit box, and the caption of a window.
Text EditText(const QLineEdit* edit);
void SetEditText(QLineEdit* edit, const Text& text);
void SetCaption(QWidget* window, const Text& caption);

}  // namespace zonivo
