#include "ui/toolkit/WindowLoading.h"

#include <QApplication>
#include <QEventLoop>
#include <QScreen>
#include <vector>

namespace zonivo {
namespace {

// Disables every other window of the program for its lifetime, so that none
// takes input while a modal window's created event waits; message boxes
// opened meanwhile are windows of their own and stay usable.
class OtherWindowsDisabled {
 public:
  explicit OtherWindowsDisabled(const QWidget* window) {
    for (QWidget* other : QApplication::topLevelWidgets()) {
      if (other == window || other->parentWidget() != nullptr || !other->isEnabled()) continue;
      other->setEnabled(false);
      disabled_.emplace_back(other);
    }
  }
  ~OtherWindowsDisabled() {
    for (const QPointer<QWidget>& other : disabled_)
      if (other) other->setEnabled(true);
  }
  OtherWindowsDisabled(const OtherWindowsDisabled&) = delete;
  OtherWindowsDisabled& operator=(const OtherWindowsDisabled&) = delete;

 private:
  std::vector<QPointer<QWidget>> disabled_;
};

// Centres the window's known outer size, frame included: a window manager
// tells the frame only after the first show.
void Centre(ClientWindow* window) {
  QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect outer(QPoint(0, 0), window->OuterSize());
  outer.moveCenter(screen->availableGeometry().center());
  window->move(outer.topLeft());
}

void WaitUntilClosed(ClientWindow* window) {
  QEventLoop wait;
  QObject::connect(window, &ClientWindow::Closed, &wait, &QEventLoop::quit);
  QObject::connect(window, &QObject::destroyed, &wait, &QEventLoop::quit);
  wait.exec();
}

}  // namespace

void ShowNewWindow(ClientWindow* window, bool modal) {
  const QPointer<ClientWindow> guard(window);
  if (modal) {
    window->setWindowModality(Qt::ApplicationModal);
    const OtherWindowsDisabled blocked(window);
    window->Create();
  } else {
    window->Create();
  }
  if (!guard || !guard->IsOpen()) return;
  Centre(window);
  window->show();
  if (modal && window->isVisible()) WaitUntilClosed(window);
}

void BringToFront(ClientWindow* window) {
  if (window->BeingCreated()) return;
  window->showNormal();
  window->raise();
  window->activateWindow();
}

void UnloadWindow(QWidget* window) {
  QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
}

}  // namespace zonivo
