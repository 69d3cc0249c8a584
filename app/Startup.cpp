#include "app/Startup.h"

#include <QPointer>

#include "app/AppState.h"
#include "ui/MainWindow.h"
#include "ui/toolkit/Toolkit.h"
#include "ui/toolkit/WindowLoading.h"

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
