#pragma once

#include <cstdint>

namespace zonivo {

// A microsecond clock that never runs backwards.
class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t Microseconds() = 0;
};

Clock& SteadyClock();

// Waits until `clock` reads more than `lengthMs` milliseconds past its
// reading at the start: dispatches the pending window events, then sleeps
// until the end or the next pass, and so on.
// A length of 0 or less returns at once.
void PauseWhileProcessingEvents(int lengthMs, Clock& clock);

}  // namespace zonivo
