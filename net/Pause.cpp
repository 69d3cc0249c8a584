#include "Pause.h"

#include <chrono>
#include <thread>

#include "WindowEvents.h"

namespace zonivo {
namespace {

class Steady final : public Clock {
 public:
  std::int64_t Microseconds() override {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

void WaitUpTo(std::int64_t us) {
  const std::chrono::milliseconds wait((us + 999) / 1000);
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
  const std::int64_t end = clock.Microseconds() + std::int64_t{lengthMs} * 1000;
  for (std::int64_t now = clock.Microseconds(); now <= end; now = clock.Microseconds())
    WaitUpTo(end + 1 - now);
}

}  // namespace zonivo
