#include "ui/toolkit/LinkLabel.h"

#include <QMouseEvent>

namespace zonivo {

LinkLabel::LinkLabel(QWidget* parent, const QString& text) : QLabel(text, parent) {
  setAttribute(Qt::WA_TranslucentBackground);
  setAutoFillBackground(false);
  setCursor(Qt::PointingHandCursor);
  setStyleSheet(
      QStringLiteral("color: white; text-decoration: underline; background: transparent;"));
  setAlignment(Qt::AlignCenter);
}

void LinkLabel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit LeftPressed();
  QLabel::mousePressEvent(event);
}

}  // namespace zonivo
