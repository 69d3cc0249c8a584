#pragma once

#include <functional>

namespace zonivo {

// What the service layers need of the window toolkit's event queue. The
// toolkit installs its implementation at start-up; without one, pending
// events are not processed.
class WindowEvents {
 public:
  virtual ~WindowEvents() = default;
  // Dispatches all pending window events, then returns.
  virtual void ProcessPending() = 0;
  // Keeps the windows drawn until `done` says so, without dispatching input,
  // timers or queued calls: they wait until it has returned, so no handler
  // starts meanwhile. Without a toolkit it only waits.
  virtual void KeepDrawnUntil(const std::function<bool()>& done);
  // Shows the wait cursor from SetBusy(true) to the matching SetBusy(false);
  // calls nest.
  virtual void SetBusy(bool) {}
};

// The wait cursor for the lifetime of the object, through the events
// installed when it was made.
class BusyWhileAlive {
 public:
  BusyWhileAlive();
  ~BusyWhileAlive();
  BusyWhileAlive(const BusyWhileAlive&) = delete;
  BusyWhileAlive& operator=(const BusyWhileAlive&) = delete;

 private:
  WindowEvents* events_;
};

void InstallWindowEvents(WindowEvents* events);
WindowEvents* InstalledWindowEvents();

void ProcessPendingEvents();

// Waits until `done` says so, keeping the windows drawn when a toolkit is
// installed.
void KeepWindowsDrawnUntil(const std::function<bool()>& done);

}  // namespace zonivo
