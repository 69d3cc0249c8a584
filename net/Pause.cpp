#include "net/Pause.h"

#include <algorithm>
#include <chrono>
#include <thread>

#include "net/WindowEvents.h"

namespace zonivo {
namespace {

class Steady final : public Clock {
 public:
  std::int64_t Microseconds() override {
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
  }
};

// The longest sleep between two dispatches of window events.
constexpr std::int64_t kLongestSleepUs = 10'000;

}  // namespace

Clock& SteadyClock() {
  static Steady clock;
  return clock;
}

void PauseWhileProcessingEvents(int lengthMs, Clock& clock) {
  if (lengthMs <= 0) return;
  const std::int64_t end = clock.Microseconds() + std::int64_t{lengthMs} * 1000;
  for (;;) {
    ProcessPendingEvents();
    const std::int64_t now = clock.Microseconds();
    if (now > end) return;
    std::this_thread::sleep_for(
        std::chrono::microseconds(std::min(end + 1 - now, kLongestSleepUs)));
  }
}

}  // namespace zonivo
