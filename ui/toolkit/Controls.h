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

class LinkLabel;
class PictureButton;

// Makers of the controls of the program's windows. Each control carries the
// name of its window definition as object name and sits at `place` inside
// `parent`.
QFrame* MakeFrame(QWidget* parent, const char* name, QRect place);
QLabel* MakeLabel(QWidget* parent, const char* name, QRect place, const char* utf8Text);
LinkLabel* MakeLinkLabel(QWidget* parent, const char* name, QRect place, const char* utf8Text);
// An edit box in teal on white; a password box shows every character as "*".
QLineEdit* MakeEditBox(QWidget* parent, const char* name, QRect place, bool password = false);
QLabel* MakePictureBox(QWidget* parent, const char* name, QRect place, const QPixmap& picture);
PictureButton* MakePictureButton(QWidget* parent, const char* name, QRect place,
                                 const QPixmap& normal, const QPixmap& pressed);
ListView* MakeListView(QWidget* parent, const char* name, QRect place,
                       const std::vector<ListColumn>& columns);

// Teal text on white, the colours of every edit box and drop-down list.
void SetEntryColours(QWidget* entry);

// The Text property of an edit box, and the caption of a window.
Text EditText(const QLineEdit* edit);
void SetEditText(QLineEdit* edit, const Text& text);
void SetCaption(QWidget* window, const Text& caption);

}  // namespace zonivo
