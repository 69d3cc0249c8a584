#include "ui/toolkit/QtWindowEvents.h"

#include <QCoreApplication>

namespace zonivo {

void QtWindowEvents::ProcessPending() { QCoreApplication::processEvents(); }

}  // namespace zonivo
