#include "QtWindowEvents.h"

#include <QCoreApplication>
#include <QTimer>

namespace zonivo {

void QtWindowEvents::ProcessPending() { QCoreApplication::processEvents(); }

void QtWindowEvents::WaitForEvents(std::chrono::milliseconds atMost) {
  // The timer wakes the wait up when no other event arrives in time.
  QTimer wake;
  wake.setSingleShot(true);
  wake.setTimerType(Qt::PreciseTimer);
  wake.start(atMost);
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

}  // namespace zonivo
