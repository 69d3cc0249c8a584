#include "ui/toolkit/PictureButton.h"

#include <QPainter>

namespace zonivo {

PictureButton::PictureButton(QWidget* parent, QPixmap normal, QPixmap pressed)
    : QAbstractButton(parent), normal_(std::move(normal)), pressed_(std::move(pressed)) {
  setCursor(Qt::PointingHandCursor);
}

void PictureButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawPixmap(rect(), isDown() ? pressed_ : normal_);
}

}  // namespace zonivo
