#include "Windows.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>

namespace zonivo {
namespace {

void Centre(QWidget* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect frame = window->frameGeometry();
  frame.moveCenter(screen->availableGeometry().center());
  window->move(frame.topLeft());
}

}  // namespace

void ShowNewWindow(ClientWindow* window, bool modal) {
  QPointer<ClientWindow> guard(window);
  window->OnCreated();
  if (!guard) return;
  if (modal) window->setWindowModality(Qt::ApplicationModal);
  Centre(window);
  window->show();
  if (!modal || !window->isVisible()) return;
  QEventLoop wait;
  QObject::connect(window, &ClientWindow::Closed, &wait, &QEventLoop::quit);
  QObject::connect(window, &QObject::destroyed, &wait, &QEventLoop::quit);
  wait.exec();
}

void BringToFront(QWidget* window) {
  window->showNormal();
  window->raise();
  window->activateWindow();
}

void UnloadWindow(QWidget* window) {
  QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace zonivo
