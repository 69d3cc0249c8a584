#include "net/WindowEvents.h"

#include <chrono>
#include <thread>

namespace zonivo {
namespace {
WindowEvents* installed = nullptr;

void SleepUntil(const std::function<bool()>& done) {
  while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

}  // namespace

void InstallWindowEvents(WindowEvents* events) { installed = events; }

WindowEvents* InstalledWindowEvents() { return installed; }

void ProcessPendingEvents() {
  if (installed) installed->ProcessPending();
}

void WindowEvents::KeepDrawnUntil(const std::function<bool()>& done) { SleepUntil(done); }

BusyWhileAlive::BusyWhileAlive() : events_(installed) {
  if (events_) events_->SetBusy(true);
}

BusyWhileAlive::~BusyWhileAlive() {
  if (events_) events_->SetBusy(false);
}

void KeepWindowsDrawnUntil(const std::function<bool()>& done) {
  if (installed)
    installed->KeepDrawnUntil(done);
  else
    SleepUntil(done);
}

}  // namespace zonivo
