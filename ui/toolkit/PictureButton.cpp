#include "ui/toolkit/PictureButton.h"

#include <QKeyEvent>
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

void PictureButton::keyPressEvent(QKeyEvent* event) {
  if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
    QAbstractButton::keyPressEvent(event);
    return;
  }
  event->accept();
  click();
}

}  // namespace zonivo
