#include "ui/toolkit/ClientWindow.h"

#include <QCloseEvent>
#include <QPalette>
#include <QPointer>

namespace zonivo {
namespace {

// A fixed-border window's frame: 3 pixels at each side and a 24-pixel title.
constexpr int kFrameWidth = 6;
constexpr int kFrameHeight = 30;
const QColor kBackground(0, 136, 255);

}  // namespace

ClientWindow::ClientWindow(QWidget* parent, QSize outerSize)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      outerSize_(outerSize) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(outerSize.width() - kFrameWidth, outerSize.height() - kFrameHeight);
  QPalette colours = palette();
  colours.setColor(QPalette::Window, kBackground);
  setPalette(colours);
  setAutoFillBackground(true);
}

void ClientWindow::Create() {
  const QPointer<ClientWindow> self(this);
  beingCreated_ = true;
  OnCreated();
  if (self) beingCreated_ = false;
}

void ClientWindow::closeEvent(QCloseEvent* event) {
  QWidget::closeEvent(event);
  if (!event->isAccepted()) return;
  MarkClosed();
  emit Closed();
}

// The windows this one owns close with it.
void ClientWindow::MarkClosed() {
  closed_ = true;
  for (ClientWindow* owned : findChildren<ClientWindow*>()) owned->closed_ = true;
}

}  // namespace zonivo
