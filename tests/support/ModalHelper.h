#pragma once

#include <functional>

class QWidget;

namespace zonivo::test {

// Runs `act` on the next modal window once it is shown, from the event loop
// of the blocking call that shows it. If none shows up within five seconds,
// every modal window is closed and the test fails, so nothing hangs.
void WhenModal(std::function<void(QWidget* modal)> act);

}  // namespace zonivo::test
