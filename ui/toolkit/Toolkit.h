#pragma once

#include <memory>

class QApplication;

namespace zonivo {

class WindowEvents;

// Whether a window can be shown: a display server, or a platform chosen by
// QT_QPA_PLATFORM.
bool DisplayAvailable();

// Starts the toolkit, unless it runs already, for the lifetime of the object
// and lets the service layers process its events meanwhile. `argc` must
// outlive it.
class Toolkit {
 public:
  Toolkit(int& argc, char** argv);
  ~Toolkit();
  Toolkit(const Toolkit&) = delete;
  Toolkit& operator=(const Toolkit&) = delete;

 private:
  std::unique_ptr<QApplication> application_;
  WindowEvents* previousEvents_;
};

// The routine to run once when the program ends.
void RegisterExitRoutine(void (*routine)());

// Runs the event loop until no window of the program is open, then the exit
// routine. Returns the loop's exit code.
int RunEventLoop();

}  // namespace zonivo
