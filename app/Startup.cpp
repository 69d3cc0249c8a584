#include "Startup.h"

#include <QPointer>

#include "AppState.h"
#include "EventLoop.h"
#include "MainWindow.h"
#include "Windows.h"

namespace zonivo {

int StartClient(int& argc, char** argv) {
  Toolkit toolkit(argc, argv);
  State().matcher = std::make_unique<PatternMatcher>();
  RegisterExitRoutine(ReleaseAppState);
  QPointer<MainWindow> mainWindow;
  LoadWindow(mainWindow, nullptr, false);
  RunEventLoop();
  return 0;
}

}  // namespace zonivo
