#include "net/WindowEvents.h"

namespace zonivo {
namespace {
WindowEvents* installed = nullptr;
}

void InstallWindowEvents(WindowEvents* events) { installed = events; }

WindowEvents* InstalledWindowEvents() { return installed; }

void ProcessPendingEvents() {
  if (installed) installed->ProcessPending();
}

}  // namespace zonivo
