#pragma once

namespace zonivo {

// Starts the toolkit, makes the shared state and its matcher, opens the main
// window and runs until no window is open; the state is released at the end.
// Returns 0.
int StartClient(int& argc, char** argv);

}  // namespace zonivo
