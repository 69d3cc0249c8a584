#pragma once

#include <chrono>

namespace zonivo {

// What the service layers need of the window toolkit's event queue. The
// toolkit installs its implementation at start-up; without one, both calls
// return at once.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // Dispatches all pending window events, then returns.
  virtual void ProcessPending() = 0;
  // Dispatches pending events, or waits up to `atMost` for one to arrive.
  virtual void WaitForEvents(std::chrono::milliseconds atMost) = 0;
};

void InstallWindowEvents(WindowEvents* events);
WindowEvents* InstalledWindowEvents();

void ProcessPendingEvents();

}  // namespace zonivo
