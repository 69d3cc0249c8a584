#pragma once

#include <QRect>

class QWidget;

namespace zonivo {

class PictureButton;

// The windows' yellow picture button bearing `captionUtf8`, with its pressed
// variant; the caption is also its accessible name.
PictureButton* MakeYellowButton(QWidget* parent, const char* name, QRect place,
                                const char* captionUtf8);

}  // namespace zonivo
