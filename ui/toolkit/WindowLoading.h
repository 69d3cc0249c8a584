#pragma once

#include <QPointer>

#include "ui/toolkit/ClientWindow.h"

namespace zonivo {

// Shows a freshly made window: runs its created event, centres and shows it.
// A modal window blocks every other window of the program from the start of
// its created event until it closes, and the call returns after it has
// closed.
void ShowNewWindow(ClientWindow* window, bool modal);

// Brings an open window to the front, restored if it was minimised; a window
// whose created event still runs is left as it is.
void BringToFront(ClientWindow* window);

// Opens the window of type W held in `slot`. A window that is already open is
// only brought to the front; one that was closed and awaits its deletion is
// replaced. A window that is not modal is owned by `parent` and closes with
// it.
template <typename W>
void LoadWindow(QPointer<W>& slot, QWidget* parent, bool modal) {
  if (slot && slot->IsOpen()) {
    BringToFront(slot);
    return;
  }
  slot = new W(parent);
  ShowNewWindow(slot, modal);
}

// Closes the window once the running handler has returned.
void UnloadWindow(QWidget* window);

}  // namespace zonivo
