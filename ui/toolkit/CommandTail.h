#pragma once

#include <functional>

#include "net/Text.h"
#include "ui/toolkit/ClientWindow.h"

namespace zonivo {

// What a handler does after a command succeeded: fetch its list again, and
// the message that says the fetch failed.
struct RefreshAfterSuccess {
  const char* successUtf8;
  std::function<bool()> refresh;
  const char* failedUtf8;
};

// The tail every command handler shares. Runs `command`; if `window` closed
// while it waited, drops the result quietly. Otherwise shows the message with
// the information icon and the title "信息" and, when it is the success
// message, refreshes, reporting a failed refresh unless the window closed
// meanwhile. Returns whether `window` still exists.
bool RunCommand(ClientWindow* window, const std::function<Text()>& command,
                const RefreshAfterSuccess& after);

}  // namespace zonivo
