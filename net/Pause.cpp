#include "Pause.h"

#include <chrono>
#include <thread>

#include "WindowEvents.h"

namespace zonivo {
namespace {

class Steady final : public Clock {
 public:
  std::int64_t Milliseconds() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

void WaitUpTo(std::int64_t ms) {
  const std::chrono::milliseconds wait(ms < 1 ? 1 : ms);
  if (WindowEvents* events = InstalledWindowEvents())
    events->WaitForEvents(wait);
  else
    std::this_thread::sleep_for(wait);
}

}  // namespace

Clock& SteadyClock() {
  static Steady clock;
  return clock;
}

void PauseWhileProcessingEvents(int lengthMs, Clock& clock) {
  if (lengthMs <= 0) return;
  const std::int64_t end = clock.Milliseconds() + lengthMs;
  for (std::int64_t now = clock.Milliseconds(); now <= end; now = clock.Milliseconds())
    WaitUpTo(end + 1 - now);
}

}  // namespace zonivo
