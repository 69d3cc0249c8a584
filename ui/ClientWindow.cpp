#include "ClientWindow.h"

#include <QCloseEvent>
#include <QPalette>

namespace zonivo {
namespace {

// A fixed-border window's frame: 3 pixels at each side and a 24-pixel title.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 30;
const QColor kBackground(0, 136, 255);

}  // namespace

ClientWindow::ClientWindow(QWidget* parent, QSize outerSize)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(outerSize.width() - kFrameWidth, outerSize.height() - kFrameHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBackground);
  setPalette(colours);
  setAutoFillBackground(true);
}

void ClientWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (event->isAccepted()) emit Closed();
}

}  // namespace zonivo
