#pragma once

namespace zonivo {

// Whether a window can be shown: a display server, or a platform chosen by
// QT_QPA_PLATFORM.
bool DisplayAvailable();

// Starts the toolkit (once) and lets the service layers process its events.
void InitToolkit(int& argc, char** argv);

// The routine to run once when the program ends.
void RegisterExitRoutine(void (*routine)());

// Runs the event loop until no window of the program is open, then the exit
// routine. Returns the loop's exit code.
int RunEventLoop();

}  // namespace zonivo
