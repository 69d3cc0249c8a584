#include "ui/toolkit/CommandTail.h"

#include <QPointer>

#include "net/CodePage.h"
#include "ui/toolkit/DialogPresenter.h"

namespace zonivo {
namespace {

bool StillOpen(const QPointer<ClientWindow>& window) { return window && window->IsOpen(); }

}  // namespace

bool RunCommand(ClientWindow* window, const std::function<Text()>& command,
                const RefreshAfterSuccess& after) {
  const QPointer<ClientWindow> guard(window);
  const Text message = command();
  if (!StillOpen(guard)) return !guard.isNull();
  ShowInformation(message);
  const bool refresh = message == FromUtf8(after.successUtf8) && StillOpen(guard);
  if (refresh && !after.refresh() && StillOpen(guard)) ShowInformation(FromUtf8(after.failedUtf8));
  return !guard.isNull();
}

}  // namespace zonivo
