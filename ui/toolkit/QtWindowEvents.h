#pragma once

#include "net/WindowEvents.h"

namespace zonivo {

// The Qt event queue, as the service layers see it.
class QtWindowEvents final : public WindowEvents {
 public:
  void ProcessPending() override;
  void KeepDrawnUntil(const std::function<bool()>& done) override;
  void SetBusy(bool busy) override;
};

}  // namespace zonivo
