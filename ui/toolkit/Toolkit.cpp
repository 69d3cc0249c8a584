#include "ui/toolkit/Toolkit.h"

#include <QApplication>
#include <cstdlib>
#include <memory>
#include <utility>

#include "ui/toolkit/QtWindowEvents.h"

namespace zonivo {
namespace {

void (*exitRoutine)() = nullptr;

bool Set(const char* variable) {
  const char* value = std::getenv(variable);
  return value != nullptr && *value != '\0';
}

}  // namespace

bool DisplayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (platform.startsWith("xcb")) return Set("DISPLAY");
  if (platform.startsWith("wayland")) return Set("WAYLAND_DISPLAY");
  return !platform.isEmpty() || Set("DISPLAY") || Set("WAYLAND_DISPLAY");
#else
  return true;
#endif
}

Toolkit::Toolkit(int& argc, char** argv) : previousEvents_(InstalledWindowEvents()) {
  if (!QApplication::instance()) application_ = std::make_unique<QApplication>(argc, argv);
  static QtWindowEvents events;
  InstallWindowEvents(&events);
}

Toolkit::~Toolkit() { InstallWindowEvents(previousEvents_); }

void RegisterExitRoutine(void (*routine)()) { exitRoutine = routine; }

int RunEventLoop() {
  QApplication::setQuitOnLastWindowClosed(true);
  const int code = QApplication::exec();
  if (auto routine = std::exchange(exitRoutine, nullptr)) routine();
  return code;
}

}  // namespace zonivo
