#pragma once

#include "sandbox/StandInService.h"

namespace zonivo::sandbox {

// Fills `service` with the demo account: a few domains, one paused, and the
// records of example.com, Chinese names and lines and a disabled record among
// them.
void AddDemoAccount(StandInService& service);

}  // namespace zonivo::sandbox
