#include "ui/toolkit/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace zonivo {

LinkLabel::LinkLabel(QWidget* parent, const QString& text) : QLabel(text, parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setCursor(Qt::PointingHandCursor);
  setStyleSheet(
      QStringLiteral("color: white; text-decoration: underline; background: transparent;"));
  setAlignment(Qt::AlignCenter);
  setFocusPolicy(Qt::StrongFocus);
  setAccessibleName(text);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit LeftPressed();
  QLabel::mousePressEvent(event);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space) {
    QLabel::keyPressEvent(event);
    return;
  }
  event->accept();
  emit LeftPressed();
}

}  // namespace zonivo
