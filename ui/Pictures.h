#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include "net/Text.h"

namespace zonivo {

// A blue gradient header banner with the program's logo at its left.
QPixmap HeaderBanner(QSize size);

// The program's icon: the logo's globe on a blue tile, in the usual sizes.
QIcon ProgramIcon();

// A yellow button bearing `caption`; the pressed variant looks pushed in.
QPixmap YellowButton(QSize size, const Text& caption, bool pressed);

}  // namespace zonivo
