#pragma once

namespace zonivo {

// What the service layers need of the window toolkit's event queue. The
// toolkit installs its implementation at start-up; without one, pending
// events are not processed.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // Dispatches all pending window events, then returns.
  virtual void ProcessPending() = 0;
};

void InstallWindowEvents(WindowEvents* events);
WindowEvents* InstalledWindowEvents();

void ProcessPendingEvents();

}  // namespace zonivo
