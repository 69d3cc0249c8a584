#include "ui/toolkit/QtWindowEvents.h"

#include <QApplication>
#include <QWidget>
#include <chrono>
#include <thread>

namespace zonivo {
namespace {

// How often the windows are drawn again while nothing else is dispatched:
// often enough that an uncovered window is not left blank for long.
constexpr auto kRedrawInterval = std::chrono::milliseconds(100);

void RedrawVisibleWindows() {
  for (QWidget* window : QApplication::topLevelWidgets())
    if (window->isVisible()) window->repaint();
}

}  // namespace

void QtWindowEvents::ProcessPending() { QCoreApplication::processEvents(); }

// Only the pending repaints and layouts are dispatched, and the windows are
// drawn again now and then; input, timers and queued calls stay in the queue
// until the wait is over, so no handler starts meanwhile.
void QtWindowEvents::KeepDrawnUntil(const std::function<bool()>& done) {
  auto nextRedraw = std::chrono::steady_clock::now() + kRedrawInterval;
  while (!done()) {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    if (std::chrono::steady_clock::now() >= nextRedraw) {
      RedrawVisibleWindows();
      nextRedraw = std::chrono::steady_clock::now() + kRedrawInterval;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
}

void QtWindowEvents::SetBusy(bool busy) {
  if (busy)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

}  // namespace zonivo
